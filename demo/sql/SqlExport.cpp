// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/sql/SqlExport.h"

#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTime>

using host::FieldType;

namespace demo {

namespace {

bool isPostgres(const QSqlDatabase &database)
{
    return database.driver() && database.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    throw platform::EDatabaseError(QStringLiteral("%1: %2").arg(what, error.text()));
}

// Dates and times go as ISO text: SQLite keeps them so, PostgreSQL casts the literal to
// the column's type, and neither shifts them by a time zone.
QVariant bound(const host::FieldDef &def, const QVariant &v)
{
    if (platform::varIsNull(v) || !v.isValid())
        return QVariant(QMetaType::fromType<QString>());
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return v.toTime().toString(Qt::ISODateWithMs);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    default:
        break;
    }
    Q_UNUSED(def);
    return v;
}

} // namespace

QString SqlExport::declaredType(const host::FieldDef &def, const QSqlDatabase &database)
{
    const bool pg = isPostgres(database);
    switch (def.type) {
    case FieldType::String:
    case FieldType::WideString:
        if (def.width <= 0)
            return QStringLiteral("TEXT");
        return QStringLiteral("%1(%2)")
            .arg(def.type == FieldType::WideString && !pg ? QStringLiteral("NVARCHAR") : QStringLiteral("VARCHAR"))
            .arg(def.width);
    case FieldType::Int8:
        return pg ? QStringLiteral("SMALLINT") : QStringLiteral("TINYINT");
    case FieldType::Int16:
    case FieldType::UInt8:
        return QStringLiteral("SMALLINT");
    case FieldType::Int32:
    case FieldType::UInt16:
        return QStringLiteral("INTEGER");
    case FieldType::Int64:
    case FieldType::UInt32:
        return QStringLiteral("BIGINT");
    case FieldType::Float32:
    case FieldType::Float64:
        return QStringLiteral("DOUBLE PRECISION");
    case FieldType::Currency:
        return pg ? QStringLiteral("NUMERIC(19,4)") : QStringLiteral("MONEY");
    case FieldType::Fixed:
        return def.width > 0 ? QStringLiteral("NUMERIC(%1,%2)").arg(def.width).arg(def.decimals)
                             : QStringLiteral("NUMERIC");
    case FieldType::Boolean:
        return QStringLiteral("BOOLEAN");
    case FieldType::Date:
        return QStringLiteral("DATE");
    case FieldType::Time:
        return pg ? QStringLiteral("TIME(3)") : QStringLiteral("TIME");
    case FieldType::DateTime:
    case FieldType::SQLDateTime:
        return pg ? QStringLiteral("TIMESTAMP(3)") : QStringLiteral("DATETIME");
    }
    return QStringLiteral("TEXT");
}

void SqlExport::write(const host::TClientDataSet &table, QSqlDatabase database, const QString &name)
{
    const QSqlDriver *driver = database.driver();
    const QString quotedTable = driver->escapeIdentifier(name, QSqlDriver::TableName);
    const QVector<host::FieldDef> defs = table.FieldDefs();
    QStringList columns, marks;
    for (const host::FieldDef &def : defs) {
        columns << driver->escapeIdentifier(def.name, QSqlDriver::FieldName) + u' ' + declaredType(def, database);
        marks << QStringLiteral("?");
    }
    QSqlQuery q(database);
    if (!q.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quotedTable)))
        fail(QStringLiteral("DROP TABLE %1").arg(name), q.lastError());
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedTable, columns.join(QStringLiteral(", ")))))
        fail(QStringLiteral("CREATE TABLE %1").arg(name), q.lastError());
    if (!database.transaction())
        fail(QStringLiteral("BEGIN"), database.lastError());
    QSqlQuery insert(database);
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quotedTable, marks.join(u','))))
        fail(QStringLiteral("INSERT INTO %1").arg(name), insert.lastError());
    for (const QVariantList &record : table.AllRecords()) {
        for (qsizetype i = 0; i < defs.size(); ++i)
            insert.bindValue(int(i), bound(defs.at(i), i < record.size() ? record.at(i) : QVariant()));
        if (!insert.exec()) {
            const QSqlError error = insert.lastError();
            database.rollback();
            fail(QStringLiteral("INSERT INTO %1").arg(name), error);
        }
    }
    if (!database.commit())
        fail(QStringLiteral("COMMIT"), database.lastError());
}

} // namespace demo
