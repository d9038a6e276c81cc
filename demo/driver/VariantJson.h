// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Encodings of the variants a call returns, for programs (JSON) and for people.
//   empty (unassigned)  {"empty": true}        null        null
//   text                "..."                  boolean     true / false
//   integer, floating   a number               date        {"date": "YYYY-MM-DD"}
//   time                {"time": "hh:mm:ss.zzz"}
//   date and time       {"dateTime": "YYYY-MM-DDThh:mm:ss.zzz"}
//   array               {"low": 0, "high": H, "items": [...]}
namespace demo::VariantJson {

// Compact JSON, UTF-8, object members in the order above.
QByteArray encode(const QVariant &value);
// A JSON string literal.
QByteArray quote(const QString &text);
// One line for a person to read.
QString describe(const QVariant &value);

} // namespace demo::VariantJson
