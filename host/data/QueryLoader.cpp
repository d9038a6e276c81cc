// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/QueryLoader.h"

#include "platform/Exception.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

using platform::EDatabaseError;

namespace host {

namespace {

// The type ids (OIDs) of PostgreSQL's built-in types, as its catalogue fixes them.
enum PgType {
    PgBool = 16,
    PgBytea = 17,
    PgChar = 18,
    PgName = 19,
    PgInt8 = 20,
    PgInt2 = 21,
    PgInt4 = 23,
    PgText = 25,
    PgFloat4 = 700,
    PgFloat8 = 701,
    PgMoney = 790,
    PgBpchar = 1042,
    PgVarchar = 1043,
    PgDate = 1082,
    PgTime = 1083,
    PgTimestamp = 1114,
    PgTimestampTz = 1184,
    PgNumeric = 1700,
};

QString problemOf(const QSqlError &error)
{
    QString text = error.text().trimmed();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.isEmpty() ? QStringLiteral("erro desconhecido") : text;
}

// The field of a column whose type only Qt's value type tells (other drivers, and SQLite
// columns without a declaration).
bool fieldFromValueType(const QSqlField &column, FieldDef *def)
{
    switch (column.metaType().id()) {
    case QMetaType::QString:
        def->type = FieldType::String;
        def->width = column.length() > 0 ? column.length() : 0;
        return true;
    case QMetaType::Bool:
        def->type = FieldType::Boolean;
        return true;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
        def->type = FieldType::Int32;
        return true;
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        def->type = FieldType::Int64;
        return true;
    case QMetaType::Float:
    case QMetaType::Double:
        def->type = FieldType::Float64;
        return true;
    case QMetaType::QDate:
        def->type = FieldType::Date;
        return true;
    case QMetaType::QTime:
        def->type = FieldType::Time;
        return true;
    case QMetaType::QDateTime:
        def->type = FieldType::DateTime;
        return true;
    default:
        return false;
    }
}

bool fieldFromPgType(const QSqlField &column, FieldDef *def)
{
    const int length = column.length() > 0 ? column.length() : 0;
    switch (column.typeID()) {
    case PgBool:
        def->type = FieldType::Boolean;
        return true;
    case PgChar:
        def->type = FieldType::String;
        def->width = 1;
        return true;
    case PgName:
    case PgText:
        def->type = FieldType::String;
        return true;
    case PgBpchar:
    case PgVarchar:
        def->type = FieldType::String;
        def->width = length;
        return true;
    case PgInt2:
        def->type = FieldType::Int16;
        return true;
    case PgInt4:
        def->type = FieldType::Int32;
        return true;
    case PgInt8:
        def->type = FieldType::Int64;
        return true;
    case PgFloat4:
        def->type = FieldType::Float32;
        return true;
    case PgFloat8:
        def->type = FieldType::Float64;
        return true;
    case PgNumeric:
        def->type = length > 0 ? FieldType::Fixed : FieldType::Float64;
        def->width = length;
        def->decimals = length > 0 && column.precision() > 0 ? column.precision() : 0;
        return true;
    case PgDate:
        def->type = FieldType::Date;
        return true;
    case PgTime:
        def->type = FieldType::Time;
        return true;
    case PgTimestamp:
    case PgTimestampTz:
        def->type = FieldType::DateTime;
        return true;
    case PgBytea:
    case PgMoney: // its text follows the server's locale: select it as numeric
        return false;
    default:
        return column.metaType().id() != QMetaType::QByteArray && fieldFromValueType(column, def);
    }
}

// The declared type of each column of an SQLite statement: Qt's driver reads it but
// keeps only a value type, losing widths and dates.
QStringList sqliteDeclaredTypes(const QSqlQuery &query, int columns)
{
    QStringList types;
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    sqlite3_stmt *stmt = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0)
        stmt = *static_cast<sqlite3_stmt *const *>(handle.constData());
    for (int i = 0; i < columns; ++i) {
        const char *declared = stmt ? sqlite3_column_decltype(stmt, i) : nullptr;
        types.append(declared ? QString::fromUtf8(declared) : QString());
    }
    return types;
}

// Integers alone make an integer field, numbers a decimal one, anything with text a text
// one (no values: text too).
void typeByValues(FieldDef &def, const QVector<QVariantList> &rows, int column)
{
    bool integers = false, decimals = false, text = false;
    for (const QVariantList &row : rows) {
        const QVariant &v = row.at(column);
        if (v.isNull())
            continue;
        switch (v.metaType().id()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            integers = true;
            break;
        case QMetaType::Double:
            decimals = true;
            break;
        case QMetaType::QByteArray:
            throw EDatabaseError(
                QStringLiteral("A coluna '%1' tem um tipo sem campo correspondente (dados binários).").arg(def.name));
        default:
            text = true;
            break;
        }
    }
    def.type = text || !(integers || decimals) ? FieldType::String : decimals ? FieldType::Float64 : FieldType::Int64;
}

QString columnName(const QSqlRecord &record, int i)
{
    const QString name = record.fieldName(i);
    return name.isEmpty() ? QStringLiteral("CAMPO%1").arg(i + 1) : name;
}

} // namespace

bool QueryLoader::fieldFromDeclaredType(const QString &declared, FieldDef *def)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*([A-Za-z][A-Za-z0-9_ ]*?)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))?\s*$)"));
    const QRegularExpressionMatch m = form.match(declared);
    if (!m.hasMatch())
        return false;
    const QString name = m.captured(1).toUpper().simplified();
    const int first = m.captured(2).toInt();
    const int second = m.captured(3).toInt();
    def->width = 0;
    def->decimals = 0;
    auto is = [&](const char *word) { return name == QLatin1String(word); };
    auto has = [&](const char *word) { return name.contains(QLatin1String(word)); };

    if (has("BLOB") || has("BINARY") || is("BYTEA") || is("RAW"))
        return false; // bytes are no field's values
    if (has("CHAR") || has("TEXT") || has("CLOB") || is("STRING")) {
        def->type = name.startsWith(u'N') ? FieldType::WideString : FieldType::String;
        def->width = first;
    } else if (has("BOOL")) {
        def->type = FieldType::Boolean;
    } else if (is("TINYINT")) {
        def->type = FieldType::Int8;
    } else if (is("SMALLINT") || is("INT2")) {
        def->type = FieldType::Int16;
    } else if (is("BIGINT") || is("INT8")) {
        def->type = FieldType::Int64;
    } else if (has("INT")) {
        def->type = FieldType::Int32;
    } else if (is("MONEY") || is("SMALLMONEY") || is("CURRENCY")) {
        def->type = FieldType::Currency;
    } else if (is("NUMERIC") || is("DECIMAL") || is("NUMBER")) {
        def->type = first > 0 ? FieldType::Fixed : FieldType::Float64;
        def->width = first;
        def->decimals = second;
    } else if (is("FLOAT4")) {
        def->type = FieldType::Float32;
    } else if (has("REAL") || has("DOUBLE") || has("FLOAT")) {
        def->type = FieldType::Float64;
    } else if (has("DATETIME") || has("TIMESTAMP")) {
        def->type = FieldType::DateTime;
    } else if (is("DATE")) {
        def->type = FieldType::Date;
    } else if (is("TIME") || is("TIME WITHOUT TIME ZONE")) {
        def->type = FieldType::Time;
    } else {
        return false;
    }
    return true;
}

void QueryLoader::load(TClientDataSet &table, QSqlQuery &query)
{
    if (!query.isActive())
        throw EDatabaseError(query.lastError().isValid()
                                 ? QStringLiteral("A consulta falhou: %1.").arg(problemOf(query.lastError()))
                                 : QStringLiteral("A consulta não foi executada."));
    if (!query.isSelect())
        throw EDatabaseError(QStringLiteral("A consulta não devolve registros: %1").arg(query.lastQuery()));

    const QSqlRecord record = query.record();
    const int columns = record.count();
    const QSqlDriver *driver = query.driver();
    const QSqlDriver::DbmsType dbms = driver ? driver->dbmsType() : QSqlDriver::UnknownDbms;
    const QStringList declared
        = dbms == QSqlDriver::SQLite ? sqliteDeclaredTypes(query, columns) : QStringList(columns, QString());

    QVector<FieldDef> defs;
    QVector<bool> padded; // PostgreSQL's CHAR(n): blanks to the width are storage, not text
    QVector<int> undeclared; // SQLite columns without a declared type, such as expressions
    for (int i = 0; i < columns; ++i) {
        FieldDef def;
        def.name = columnName(record, i);
        const QSqlField column = record.field(i);
        bool known = false;
        QString typeName = declared.at(i);
        if (dbms == QSqlDriver::PostgreSQL) {
            known = fieldFromPgType(column, &def);
            typeName = QStringLiteral("tipo %1 do PostgreSQL").arg(column.typeID());
        } else if (!declared.at(i).isEmpty()) {
            known = fieldFromDeclaredType(declared.at(i), &def);
        } else if (dbms == QSqlDriver::SQLite) {
            known = true; // typed by its values, once they are read
            undeclared.append(i);
        } else {
            known = column.metaType().id() != QMetaType::QByteArray && fieldFromValueType(column, &def);
            typeName = QString::fromLatin1(column.metaType().name());
        }
        if (!known)
            throw EDatabaseError(QStringLiteral("A coluna '%1' tem um tipo sem campo correspondente (%2).")
                                     .arg(def.name, typeName.isEmpty() ? QStringLiteral("?") : typeName));
        padded.append(dbms == QSqlDriver::PostgreSQL && column.typeID() == PgBpchar);
        defs.append(def);
    }

    QVector<QVariantList> rows;
    // The rows from the first: a query may stand before it or at it already.
    // A forward-only query that stands past its last row has none to give (SQLite's driver
    // puts an empty result there at once).
    bool more = true;
    if (query.at() == QSql::BeforeFirstRow)
        more = query.next();
    else if (query.at() == QSql::AfterLastRow && query.isForwardOnly())
        more = false;
    else if (query.at() != 0 && !query.isForwardOnly())
        more = query.first();
    else if (query.at() != 0)
        throw EDatabaseError(QStringLiteral("A consulta já passou do primeiro registro e só anda para a frente."));
    while (more) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            QVariant v = query.value(i);
            if (padded.at(i) && v.metaType().id() == QMetaType::QString && !v.isNull()) {
                QString s = v.toString();
                qsizetype end = s.size();
                while (end > 0 && s.at(end - 1) == u' ')
                    --end;
                s.truncate(end);
                v = s;
            }
            row.append(v);
        }
        rows.append(std::move(row));
        more = query.next();
    }
    if (query.lastError().isValid())
        throw EDatabaseError(QStringLiteral("A leitura dos registros falhou no registro %1: %2.")
                                 .arg(rows.size() + 1)
                                 .arg(problemOf(query.lastError())));
    for (int i : std::as_const(undeclared))
        typeByValues(defs[i], rows, i);
    table.LoadFromRecords(defs, rows);
}

void QueryLoader::load(TClientDataSet &table, QSqlDatabase database, const QString &sql)
{
    if (!database.isValid())
        throw EDatabaseError(
            QStringLiteral("Banco de dados sem driver: o driver '%1' não está disponível.").arg(database.driverName()));
    if (!database.isOpen()) {
        // Opening a missing SQLite file would create an empty database there.
        const QString name = database.databaseName();
        if (database.driver()->dbmsType() == QSqlDriver::SQLite && name != QLatin1String(":memory:")
            && !name.startsWith(QLatin1String("file:")) && !QFileInfo(name).isFile())
            throw EDatabaseError(QStringLiteral("O banco de dados '%1' não existe.").arg(name));
        if (!database.open())
            throw EDatabaseError(QStringLiteral("Não foi possível abrir o banco de dados '%1': %2.")
                                     .arg(name, problemOf(database.lastError())));
    }
    // Only read: in a transaction of its own (when the host has none open), undone at the
    // end, so that a statement which is no query changes nothing.
    const bool own = database.driver()->hasFeature(QSqlDriver::Transactions) && database.transaction();
    struct Undo
    {
        QSqlDatabase &db;
        bool own;
        ~Undo()
        {
            if (own)
                db.rollback();
        }
    } undo {database, own};
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw EDatabaseError(QStringLiteral("A consulta falhou: %1.").arg(problemOf(query.lastError())));
    load(table, query);
    query.finish(); // the rollback needs the statement ended
}

} // namespace host
