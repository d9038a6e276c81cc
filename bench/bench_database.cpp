// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The 10,000 rows of load_packet read from an SQLite file instead: the whole load into a
// table (query, rows, conversion to the field types), beside a bare pass of a QSqlQuery
// over the same rows. The pair against the packet is in Pairs.cpp.
#include "ObservationRows.h"

#include "demo/sql/SqlExport.h"
#include "host/data/QueryLoader.h"
#include "host/data/TClientDataSet.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString Sql = QStringLiteral("SELECT * FROM observacoes");

// The rows in a file of a temporary folder, written once; the connection stays open, as
// a host's would.
QSqlDatabase database()
{
    static QTemporaryDir dir;
    static const QString name = [] {
        const QString connection = QStringLiteral("bench_database");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dir.filePath(QStringLiteral("observacoes.sqlite")));
        if (db.open()) {
            host::TClientDataSet t;
            t.LoadFromBytes(bench::observationPacket());
            demo::SqlExport::write(t, db, QStringLiteral("observacoes"));
        }
        return connection;
    }();
    return QSqlDatabase::database(name);
}

void queryLoader(benchmark::State &state)
{
    QSqlDatabase db = database();
    host::TClientDataSet t;
    for (auto _ : state) {
        host::QueryLoader::load(t, db, Sql);
        if (t.RecordCount() != bench::ObservationRows) {
            state.SkipWithError("the rows did not load whole");
            break;
        }
    }
}

void bareQuery(benchmark::State &state)
{
    QSqlDatabase db = database();
    for (auto _ : state) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(Sql);
        const int columns = q.record().count();
        int rows = 0;
        while (q.next()) {
            for (int i = 0; i < columns; ++i)
                benchmark::DoNotOptimize(q.value(i));
            ++rows;
        }
        if (rows != bench::ObservationRows) {
            state.SkipWithError("the query gave other rows");
            break;
        }
    }
}

} // namespace

BENCHMARK(queryLoader)->Name("load_sqlite/QueryLoader")->Unit(benchmark::kMillisecond);
BENCHMARK(bareQuery)->Name("load_sqlite/QSqlQuery")->Unit(benchmark::kMillisecond);
