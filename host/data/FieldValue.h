// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QString>
#include <QVariant>

namespace host {

// Turns a value into the variant type its field holds, the same type the data packet
// reader gives, so that a record reads the same whichever way it came in:
//
//   text fields      QString, no longer than the width (when one is set); numbers and other
//                    plain values as their text
//   integer fields   int (qlonglong for i8 and ui4), inside the type's range; from integers,
//                    whole doubles, booleans and text of digits
//   decimal fields   double; from numbers and text in the C locale ("2.5")
//   boolean fields   bool; from booleans, 0 and 1, and the texts true/false, t/f, 1/0
//   date fields      QDate; from a date, a date-time at midnight, "YYYY-MM-DD" or "YYYYMMDD"
//   time fields      QTime; from a time, "hh:mm", "hh:mm:ss[.zzz]" or "hh:mm:sszzz"
//   date-time fields QDateTime in local time; from a date-time, a date (midnight), or ISO text
//                    ("YYYY-MM-DDThh:mm:ss", a blank in place of the T, an offset or Z)
//
// An empty variant, a null variant (a held nullptr, or a typed null such as Qt SQL gives)
// and an invalid date or time become the table's null: a variant holding std::nullptr_t
// (platform::varNull, tested with platform::varIsNull).
class FieldValue
{
public:
    // Raises EConvertError naming the field, the record (1-based) and the value.
    static QVariant convert(const FieldDef &def, const QVariant &value, int record);
    // The same without raising: an invalid QVariant, and in problem why, when it is refused.
    static QVariant tryConvert(const FieldDef &def, const QVariant &value, QString *problem);
    // The message convert raises.
    static QString refusal(const FieldDef &def, const QVariant &value, int record, const QString &problem);
};

} // namespace host
