// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Observation lists read from SQLite through Qt SQL.
#include "support/Sessions.h"

#include "demo/sql/SqlExport.h"
#include "host/data/QueryLoader.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

using host::FieldType;
using host::QueryLoader;
using host::TClientDataSet;
using platform::EConvertError;
using platform::EDatabaseError;

namespace {

// A connection of its own, removed with it.
struct Sqlite
{
    explicit Sqlite(const QString &file, const QString &options = QString())
        : name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(options);
    }
    ~Sqlite()
    {
        database().close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    void exec(const QString &sql)
    {
        QSqlDatabase db = database();
        ASSERT_TRUE(db.isOpen() || db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QString name;
};

// A table with one record, so that a failed load shows it kept its content.
void fillWithOne(TClientDataSet &t)
{
    t.AddFieldDef({QStringLiteral("KEEP"), FieldType::String, 4});
    t.CreateDataSet();
    t.AppendRecord({QStringLiteral("kept")});
}

void expectKept(TClientDataSet &t)
{
    ASSERT_EQ(t.FieldCount(), 1);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.GetField(0)->AsString(), QStringLiteral("kept"));
}

class Database : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("obs.db"));
};

} // namespace

TEST_F(Database, EveryTypeAndNullReadAsThePacketHoldingTheSameRows)
{
    Sqlite db(file);
    db.exec(QStringLiteral("CREATE TABLE t (CD VARCHAR(2), DS NVARCHAR(40), TX TEXT, I1 TINYINT, I2 SMALLINT, "
                           "I4 INTEGER, I8 BIGINT, R8 DOUBLE PRECISION, M MONEY, FX NUMERIC(10,2), BO BOOLEAN, "
                           "D DATE, T TIME, DT DATETIME, TS TIMESTAMP)"));
    db.exec(QStringLiteral("INSERT INTO t VALUES ('0Ç', 'Açúcar à parte', 'livre', -128, -32768, 2147483647, "
                           "9223372036854775807, 0.1, 3.5, 12.25, 1, '2021-03-15', '10:30:15.250', "
                           "'2021-03-15 10:30:00', '2021-03-15T23:59:59.999')"));
    db.exec(QStringLiteral("INSERT INTO t VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                           "NULL, NULL, NULL, NULL, NULL)"));
    db.exec(QStringLiteral("INSERT INTO t VALUES ('', ' ', '', 0, 0, 0, 0, -0.5, 0, 0, 0, '2024-02-29', "
                           "'00:00', '2024-02-29', '2024-02-29 00:00:00')"));
    TClientDataSet fromDb;
    QueryLoader::load(fromDb, db.database(), QStringLiteral("SELECT * FROM t"));

    TClientDataSet fromPacket;
    fromPacket.LoadFromBytes(
        QByteArray(R"(<?xml version="1.0"?><DATAPACKET Version="2.0"><METADATA><FIELDS>)"
                   R"(<FIELD attrname="CD" fieldtype="string" WIDTH="2"/>)"
                   R"(<FIELD attrname="DS" fieldtype="string.uni" WIDTH="40"/>)"
                   R"(<FIELD attrname="TX" fieldtype="string"/>)"
                   R"(<FIELD attrname="I1" fieldtype="i1"/><FIELD attrname="I2" fieldtype="i2"/>)"
                   R"(<FIELD attrname="I4" fieldtype="i4"/><FIELD attrname="I8" fieldtype="i8"/>)"
                   R"(<FIELD attrname="R8" fieldtype="r8"/>)"
                   R"(<FIELD attrname="M" fieldtype="r8" SUBTYPE="Money"/>)"
                   R"(<FIELD attrname="FX" fieldtype="fixed" WIDTH="10" DECIMALS="2"/>)"
                   R"(<FIELD attrname="BO" fieldtype="boolean"/>)"
                   R"(<FIELD attrname="D" fieldtype="date"/><FIELD attrname="T" fieldtype="time"/>)"
                   R"(<FIELD attrname="DT" fieldtype="dateTime"/>)"
                   R"(<FIELD attrname="TS" fieldtype="dateTime"/>)"
                   R"(</FIELDS><PARAMS/></METADATA><ROWDATA>)"
                   R"(<ROW CD="0Ç" DS="Açúcar à parte" TX="livre" I1="-128" I2="-32768")"
                   R"( I4="2147483647" I8="9223372036854775807" R8="0.1" M="3.5" FX="12.25")"
                   R"( BO="TRUE" D="20210315" T="10:30:15250" DT="20210315T10:30:00000")"
                   R"( TS="20210315T23:59:59999"/>)"
                   R"(<ROW/>)"
                   R"(<ROW CD="" DS=" " TX="" I1="0" I2="0" I4="0" I8="0" R8="-0.5" M="0")"
                   R"( FX="0" BO="FALSE" D="20240229" T="00:00:00000" DT="20240229T00:00:00000")"
                   R"( TS="20240229T00:00:00000"/>)"
                   R"(</ROWDATA></DATAPACKET>)"));
    EXPECT_EQ(fromDb.FieldDefs(), fromPacket.FieldDefs());
    ASSERT_EQ(fromDb.AllRecords().size(), 3);
    for (int r = 0; r < 3; ++r)
        for (int f = 0; f < fromDb.FieldCount(); ++f) {
            const QVariant a = fromDb.AllRecords()[r][f], b = fromPacket.AllRecords()[r][f];
            EXPECT_EQ(a.metaType(), b.metaType()) << "record " << r << " field " << f;
            EXPECT_EQ(a, b) << "record " << r << " field " << f;
        }
    EXPECT_TRUE(platform::varIsNull(fromDb.AllRecords()[1][0]));
    EXPECT_EQ(fromDb.RecNo(), 0); // the first record is current
}

TEST_F(Database, EmptyResultAndTenThousandRows)
{
    Sqlite db(file);
    db.exec(QStringLiteral("CREATE TABLE obs (CDOCORR VARCHAR(2), DSOBS VARCHAR(30), NRORDEM INTEGER)"));
    TClientDataSet t;
    QueryLoader::load(t, db.database(), QStringLiteral("SELECT * FROM obs"));
    EXPECT_EQ(t.FieldCount(), 3);
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_TRUE(t.Active());

    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
                           "INSERT INTO obs SELECT printf('%02d', i % 100), 'Observação ' || i, i FROM n"));
    QueryLoader::load(t, db.database(), QStringLiteral("SELECT * FROM obs ORDER BY NRORDEM"));
    ASSERT_EQ(t.RecordCount(), 10000);
    EXPECT_EQ(t.AllRecords()[9999][1], QVariant(QStringLiteral("Observação 9999")));
    EXPECT_EQ(t.AllRecords()[9999][2], QVariant(9999));
    EXPECT_TRUE(t.Locate(QStringLiteral("NRORDEM"), QStringLiteral("0042"), 0));
    EXPECT_EQ(t.RecNo(), 42);
}

TEST_F(Database, BadSqlUnmappableTypesAndRefusedValuesLeaveTheTableAsItWas)
{
    Sqlite db(file);
    db.exec(QStringLiteral("CREATE TABLE obs (CDOCORR VARCHAR(2), FOTO BLOB, NRORDEM INTEGER, X)"));
    db.exec(QStringLiteral("INSERT INTO obs VALUES ('01', x'00', 1, 1)"));
    db.exec(QStringLiteral("INSERT INTO obs VALUES ('0444', NULL, 'garbage', 2)"));
    TClientDataSet t;
    fillWithOne(t);
    auto message = [&](const QString &sql) {
        try {
            QueryLoader::load(t, db.database(), sql);
        } catch (const platform::Exception &e) {
            return e.message();
        }
        ADD_FAILURE() << "loaded " << sql.toStdString();
        return QString();
    };
    EXPECT_TRUE(message(QStringLiteral("SELEC * FROM obs")).contains(QStringLiteral("SELEC")));
    expectKept(t);
    EXPECT_TRUE(message(QStringLiteral("SELECT * FROM nada")).contains(QStringLiteral("nada")));
    EXPECT_TRUE(message(QStringLiteral("SELECT FOTO FROM obs")).contains(QStringLiteral("'FOTO'")));
    EXPECT_THROW(QueryLoader::load(t, db.database(), QStringLiteral("SELECT CDOCORR FROM obs")), EConvertError);
    const QString notANumber = message(QStringLiteral("SELECT NRORDEM FROM obs"));
    EXPECT_TRUE(notANumber.contains(QStringLiteral("'NRORDEM'")) && notANumber.contains(QStringLiteral("registro 2"))
                && notANumber.contains(QStringLiteral("'garbage'")))
        << notANumber.toStdString();
    EXPECT_FALSE(message(QStringLiteral("DELETE FROM obs")).isEmpty()); // returns no rows, and deletes none
    expectKept(t);
    QueryLoader::load(t, db.database(), QStringLiteral("SELECT count(*) AS N FROM obs"));
    EXPECT_EQ(t.GetField(0)->AsInteger(), 2);
    // A column without a declared type takes the type of its values.
    QueryLoader::load(t, db.database(), QStringLiteral("SELECT X, 'a' || 'b' AS AB FROM obs ORDER BY X"));
    EXPECT_EQ(t.FieldDefs()[0].type, FieldType::Int64);
    EXPECT_EQ(t.AllRecords()[1][1], QVariant(QStringLiteral("ab")));
}

TEST_F(Database, MissingReadOnlyAndLockedFilesAndNoDriver)
{
    TClientDataSet t;
    fillWithOne(t);
    {
        Sqlite missing(file);
        try {
            QueryLoader::load(t, missing.database(), QStringLiteral("SELECT 1"));
            ADD_FAILURE() << "loaded a missing file";
        } catch (const EDatabaseError &e) {
            EXPECT_TRUE(e.message().contains(file)) << e.message().toStdString();
        }
        EXPECT_FALSE(QFile::exists(file)); // not created by opening it
    }
    expectKept(t);
    {
        Sqlite db(file);
        db.exec(QStringLiteral("CREATE TABLE obs (CDOCORR VARCHAR(2))"));
        db.exec(QStringLiteral("INSERT INTO obs VALUES ('01')"));
    }
    // Read-only: reading needs no more.
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        Sqlite db(file);
        QueryLoader::load(t, db.database(), QStringLiteral("SELECT * FROM obs"));
        EXPECT_EQ(t.GetField(0)->AsString(), QStringLiteral("01"));
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // Locked: another connection writes and holds the lock; the reader gives up at once.
    t.LoadFromRecords({{QStringLiteral("KEEP"), FieldType::String, 4}}, {{QStringLiteral("kept")}});
    Sqlite writer(file);
    writer.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    writer.exec(QStringLiteral("INSERT INTO obs VALUES ('02')"));
    {
        Sqlite reader(file, QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        try {
            QueryLoader::load(t, reader.database(), QStringLiteral("SELECT * FROM obs"));
            ADD_FAILURE() << "read a locked file";
        } catch (const EDatabaseError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("locked"))) << e.message().toStdString();
        }
    }
    expectKept(t);
    writer.exec(QStringLiteral("ROLLBACK"));

    const QString noDriver = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QNOSUCHDRIVER"), noDriver);
        EXPECT_THROW(QueryLoader::load(t, db, QStringLiteral("SELECT 1")), EDatabaseError);
    }
    QSqlDatabase::removeDatabase(noDriver);
    expectKept(t);
}

TEST_F(Database, AQueryTheHostRanIsReadFromItsFirstRow)
{
    Sqlite db(file);
    db.exec(QStringLiteral("CREATE TABLE obs (CDOCORR VARCHAR(2), NRORDEM INTEGER)"));
    db.exec(QStringLiteral("INSERT INTO obs VALUES ('01', 1), ('02', 2), ('03', 3)"));
    TClientDataSet t;
    QSqlQuery q(db.database());
    ASSERT_TRUE(q.prepare(QStringLiteral("SELECT * FROM obs WHERE NRORDEM >= ? ORDER BY NRORDEM")));
    q.addBindValue(2);
    ASSERT_TRUE(q.exec());
    QueryLoader::load(t, q);
    EXPECT_EQ(t.RecordCount(), 2);
    ASSERT_TRUE(q.exec());
    ASSERT_TRUE(q.next() && q.next()); // a scrollable query goes back to its first row
    QueryLoader::load(t, q);
    EXPECT_EQ(t.RecordCount(), 2);

    QSqlQuery forward(db.database());
    forward.setForwardOnly(true);
    ASSERT_TRUE(forward.exec(QStringLiteral("SELECT * FROM obs")));
    ASSERT_TRUE(forward.next());
    QueryLoader::load(t, forward); // at its first row: still all of them
    EXPECT_EQ(t.RecordCount(), 3);
    ASSERT_TRUE(forward.exec(QStringLiteral("SELECT * FROM obs")));
    ASSERT_TRUE(forward.next() && forward.next());
    EXPECT_THROW(QueryLoader::load(t, forward), EDatabaseError);
    EXPECT_EQ(t.RecordCount(), 3);
    QSqlQuery notRun(db.database());
    EXPECT_THROW(QueryLoader::load(t, notRun), EDatabaseError);
}

TEST(SampleSessions, TheSampleFromItsPacketAndFromItsSqliteFileGiveTheSameResults)
{
    TClientDataSet packet;
    packet.LoadFromFile(samplePacketPath());
    const QVector<QVariant> expected = runSampleSessions(packet);
    ASSERT_EQ(expected.size(), 5);
    EXPECT_EQ(expected.at(1).toList().at(4), QVariant(3.5)); // the sessions reach the values
    EXPECT_TRUE(platform::varIsNull(expected.at(0).toList().at(4)));

    // The file the build makes for the demo, and one written here from the packet.
    for (const QString &file :
         {QStringLiteral(OBS_BINARY_DIR "/share/observacao/samples/observacoes.sqlite"), QString()}) {
        QTemporaryDir dir;
        Sqlite db(file.isEmpty() ? dir.filePath(QStringLiteral("s.db")) : file);
        if (file.isEmpty()) {
            ASSERT_TRUE(db.database().open());
            demo::SqlExport::write(packet, db.database(), QStringLiteral("observacoes"));
        }
        TClientDataSet fromDb;
        QueryLoader::load(fromDb, db.database(), QStringLiteral("SELECT * FROM observacoes"));
        EXPECT_EQ(fromDb.FieldDefs(), packet.FieldDefs());
        expectSameResults(expected, runSampleSessions(fromDb), "SQLite");
    }
}
