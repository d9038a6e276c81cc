// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// What the data packet reader and writer share: the field types' names and ranges, the
// date and time forms, and the helpers of their messages.
namespace host::packet {

[[noreturn]] void fail(const QString &problem); // raises EDatabaseError
bool is(QStringView name, QLatin1String expected); // names compare without regard to case
QString shown(QStringView value); // a value as quoted in a message

QLatin1String typeName(FieldType type);
std::optional<FieldType> typeFromName(QStringView name, QStringView subtype);
bool isIntegerType(FieldType type, qlonglong *min, qlonglong *max);

// What a field's values are, whatever their width or name in the packet: the reader and
// the writer convert by kind, so a type added to the format is classified once, here.
enum class ValueKind { Text, Integer, Decimal, Boolean, Date, Time, DateTime };
ValueKind kindOf(FieldType type);

std::optional<QDate> parseDate(QStringView s);
std::optional<QTime> parseTime(QStringView s);
std::optional<QDateTime> parseDateTime(QStringView s);
QString formatDate(QDate d);
QString formatTime(QTime t);
std::optional<bool> parseBoolean(QStringView s);

} // namespace host::packet
