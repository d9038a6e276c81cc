// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QSqlDatabase>
#include <QString>

namespace demo {

// Writes a table into a database as a table of the same columns, declared so that
// host::QueryLoader reads the same values back: the bundled sample's SQLite file, and the
// databases of the tests and the benchmark.
class SqlExport
{
public:
    // The column declaration for a field in the database's SQL.
    static QString declaredType(const host::FieldDef &def, const QSqlDatabase &database);
    // Creates the table (dropping one of that name) and inserts every record, in one
    // transaction. Raises platform::EDatabaseError naming what the database refused.
    static void write(const host::TClientDataSet &table, QSqlDatabase database, const QString &name);
};

} // namespace demo
