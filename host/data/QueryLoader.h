// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"
#include "platform/Export.h"

#include <QString>
#include <QVector>

class QSqlDatabase;
class QSqlQuery;

namespace host {

// Fills a TClientDataSet from a Qt SQL query, so that a host whose observations live in a
// database hands the module the same list a data packet would give.
//
// Fields are named after the query's columns and typed from their declared SQL types:
//   CHAR(n), VARCHAR(n), TEXT...   String, width n (0: none); NCHAR, NVARCHAR: WideString
//   SMALLINT / INTEGER, INT / BIGINT   Int16 / Int32 / Int64 (TINYINT: Int8)
//   NUMERIC(p,s), DECIMAL(p,s)     Fixed, width p, decimals s (without p: Float64)
//   REAL, DOUBLE, FLOAT            Float64 (PostgreSQL's real: Float32); MONEY: Currency
//   BOOLEAN / DATE / TIME          Boolean / Date / Time
//   DATETIME, TIMESTAMP            DateTime
// SQLite columns come from their declaration (a column without one, such as an
// expression, from the type of its values); PostgreSQL's from the column's type. NULL
// stays null. Values convert as AppendRecord converts them (see the README), e.g. SQLite's
// text dates; PostgreSQL's CHAR(n) loses the blanks that pad it to its width.
//
// Errors raise EDatabaseError (no driver, a database that cannot be opened, a missing
// SQLite file, bad SQL, a connection lost while reading, a column type with no field type
// such as BLOB, BYTEA or PostgreSQL's money) or EConvertError (a value its field refuses).
// The table is only replaced once every row has been read and converted: after an error it
// is as it was.
class OBSHOST_EXPORT QueryLoader
{
public:
    // From a query the host has executed (a SELECT, active, before or at its first row;
    // forward-only is fastest). The rows are read from the first.
    static void load(TClientDataSet &table, QSqlQuery &query);
    // Runs sql on the database, opening it first when it is not open. When the host has no
    // transaction open the SQL runs in one that is rolled back: it only ever reads.
    static void load(TClientDataSet &table, QSqlDatabase database, const QString &sql);

    // Sets def's type, width and decimals for a column of the declared SQL type; false when
    // the type has no field type (or is not given).
    static bool fieldFromDeclaredType(const QString &declared, FieldDef *def);
};

} // namespace host
