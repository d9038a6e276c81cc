// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// packet2sqlite PACKET DATABASE TABLE: writes a data packet's table into a new SQLite
// file. The build makes the bundled sample's SQLite file with it.

#include "demo/sql/SqlExport.h"
#include "platform/Exception.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: packet2sqlite PACKET DATABASE TABLE\n");
        return 1;
    }
    const QString &target = args.at(2);
    QFile::remove(target);
    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(target);
        try {
            if (!db.open())
                throw platform::EDatabaseError(QStringLiteral("cannot create %1").arg(target));
            host::TClientDataSet table;
            table.LoadFromFile(args.at(1));
            demo::SqlExport::write(table, db, args.at(3));
        } catch (const platform::Exception &e) {
            std::fprintf(stderr, "packet2sqlite: %s\n", qPrintable(e.message()));
            status = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    if (status != 0)
        QFile::remove(target);
    return status;
}
