// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Observation lists read from a real PostgreSQL server, which this program starts.
#include "support/DemoTree.h"
#include "support/PgCluster.h"
#include "support/Sessions.h"

#include "demo/sql/SqlExport.h"
#include "host/data/QueryLoader.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <QUuid>
#include <gtest/gtest.h>

using host::FieldType;
using host::QueryLoader;
using host::TClientDataSet;
using platform::EDatabaseError;

namespace {

PgCluster *server = nullptr;

// One server for the whole program; its failure to start fails every test.
class Server : public ::testing::Environment
{
public:
    void SetUp() override
    {
        server = new PgCluster;
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }
    void TearDown() override
    {
        delete server;
        server = nullptr;
    }
};
const auto *const environment = ::testing::AddGlobalTestEnvironment(new Server);

class Postgres : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server && server->port() != 0);
        ASSERT_TRUE(db().open()) << db().lastError().text().toStdString();
    }
    void TearDown() override
    {
        db().close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db() const
    {
        return QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false) : server->connection(name);
    }
    void exec(const QString &sql)
    {
        QSqlQuery q(db());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }
    QString message(TClientDataSet &t, const QString &sql)
    {
        try {
            QueryLoader::load(t, db(), sql);
        } catch (const platform::Exception &e) {
            return e.message();
        }
        ADD_FAILURE() << "loaded " << sql.toStdString();
        return QString();
    }
    const QString name = QUuid::createUuid().toString();
};

TClientDataSet *packetOf(const QByteArray &fields, const QByteArray &rows)
{
    auto *t = new TClientDataSet;
    t->LoadFromBytes(R"(<?xml version="1.0"?><DATAPACKET Version="2.0"><METADATA><FIELDS>)" + fields
                     + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>");
    return t;
}

} // namespace

TEST_F(Postgres, EveryTypeAndNullReadAsThePacketHoldingTheSameRows)
{
    exec(QStringLiteral("CREATE TABLE tipos (cd VARCHAR(2), ds TEXT, fx CHAR(6), i2 SMALLINT, i4 INTEGER, i8 BIGINT, "
                        "r4 REAL, r8 DOUBLE PRECISION, n NUMERIC(10,2), bo BOOLEAN, d DATE, t TIME(3), "
                        "ts TIMESTAMP(3))"));
    exec(QStringLiteral("INSERT INTO tipos VALUES ('0Ç', 'Açúcar à parte', 'ab', -32768, 2147483647, "
                        "9223372036854775807, 0.5, 0.1, 12.25, true, '2021-03-15', '10:30:15.250', "
                        "'2021-03-15 23:59:59.999'), (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                        "NULL, NULL, NULL), ('', ' ', '', 0, 0, 0, -0, -0.5, 0, false, '2024-02-29', '00:00', "
                        "'2024-02-29 00:00')"));
    TClientDataSet fromDb;
    QueryLoader::load(fromDb, db(), QStringLiteral("SELECT * FROM tipos"));
    const std::unique_ptr<TClientDataSet> fromPacket(packetOf(
        R"(<FIELD attrname="cd" fieldtype="string" WIDTH="2"/><FIELD attrname="ds" fieldtype="string"/>)"
        R"(<FIELD attrname="fx" fieldtype="string" WIDTH="6"/><FIELD attrname="i2" fieldtype="i2"/>)"
        R"(<FIELD attrname="i4" fieldtype="i4"/><FIELD attrname="i8" fieldtype="i8"/>)"
        R"(<FIELD attrname="r4" fieldtype="r4"/><FIELD attrname="r8" fieldtype="r8"/>)"
        R"(<FIELD attrname="n" fieldtype="fixed" WIDTH="10" DECIMALS="2"/><FIELD attrname="bo" fieldtype="boolean"/>)"
        R"(<FIELD attrname="d" fieldtype="date"/><FIELD attrname="t" fieldtype="time"/>)"
        R"(<FIELD attrname="ts" fieldtype="dateTime"/>)",
        R"(<ROW cd="0Ç" ds="Açúcar à parte" fx="ab" i2="-32768" i4="2147483647" i8="9223372036854775807" r4="0.5")"
        R"( r8="0.1" n="12.25" bo="TRUE" d="20210315" t="10:30:15250" ts="20210315T23:59:59999"/><ROW/>)"
        R"(<ROW cd="" ds=" " fx="" i2="0" i4="0" i8="0" r4="0" r8="-0.5" n="0" bo="FALSE" d="20240229")"
        R"( t="00:00:00000" ts="20240229T00:00:00000"/>)"));
    EXPECT_EQ(fromDb.FieldDefs(), fromPacket->FieldDefs());
    ASSERT_EQ(fromDb.AllRecords().size(), 3);
    for (int r = 0; r < 3; ++r)
        for (int f = 0; f < fromDb.FieldCount(); ++f) {
            const QVariant a = fromDb.AllRecords()[r][f], b = fromPacket->AllRecords()[r][f];
            EXPECT_EQ(a.metaType(), b.metaType()) << "record " << r << " field " << f;
            EXPECT_EQ(a, b) << "record " << r << " field " << f;
        }
    EXPECT_TRUE(platform::varIsNull(fromDb.AllRecords()[1][12]));
}

TEST_F(Postgres, EmptyResultBadSqlUnmappableTypesAndALostConnection)
{
    exec(QStringLiteral("CREATE TABLE obs (cdocorr VARCHAR(2), foto BYTEA, preco MONEY, nrordem INTEGER)"));
    TClientDataSet t;
    QueryLoader::load(t, db(), QStringLiteral("SELECT cdocorr, nrordem FROM obs"));
    EXPECT_EQ(t.FieldCount(), 2);
    EXPECT_TRUE(t.IsEmpty());
    exec(QStringLiteral("INSERT INTO obs VALUES ('01', '\\x00', 1.5, 1)"));
    QueryLoader::load(t, db(), QStringLiteral("SELECT cdocorr, nrordem, preco::numeric AS preco FROM obs"));
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.AllRecords()[0][2], QVariant(1.5));

    EXPECT_TRUE(message(t, QStringLiteral("SELEC * FROM obs")).contains(QStringLiteral("SELEC")));
    EXPECT_TRUE(message(t, QStringLiteral("SELECT * FROM nada")).contains(QStringLiteral("nada")));
    EXPECT_TRUE(message(t, QStringLiteral("SELECT foto FROM obs")).contains(QStringLiteral("'foto'")));
    EXPECT_TRUE(message(t, QStringLiteral("SELECT preco FROM obs")).contains(QStringLiteral("'preco'")));
    EXPECT_FALSE(message(t, QStringLiteral("DELETE FROM obs")).isEmpty());
    ASSERT_EQ(t.RecordCount(), 1); // as it was
    EXPECT_EQ(t.FieldCount(), 3);
    QueryLoader::load(t, db(), QStringLiteral("SELECT count(*) AS n FROM obs"));
    EXPECT_EQ(t.GetField(0)->AsInteger(), 1); // the DELETE was undone

    // Another session ends this one's connection: the next load says so.
    QSqlQuery pid(db());
    ASSERT_TRUE(pid.exec(QStringLiteral("SELECT pg_backend_pid()")) && pid.next());
    const QString other = QUuid::createUuid().toString();
    {
        QSqlDatabase admin = server->connection(other);
        ASSERT_TRUE(admin.open());
        QSqlQuery q(admin);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid.value(0).toInt())));
        admin.close();
    }
    QSqlDatabase::removeDatabase(other);
    EXPECT_THROW(QueryLoader::load(t, db(), QStringLiteral("SELECT cdocorr FROM obs")), EDatabaseError);
    EXPECT_EQ(t.GetField(0)->AsInteger(), 1);
}

TEST_F(Postgres, TheSampleSessionsGiveWhatThePacketGives)
{
    TClientDataSet packet;
    packet.LoadFromFile(samplePacketPath());
    const QVector<QVariant> expected = runSampleSessions(packet);
    demo::SqlExport::write(packet, db(), QStringLiteral("observacoes"));
    TClientDataSet fromDb;
    QueryLoader::load(fromDb, db(), QStringLiteral("SELECT * FROM observacoes"));
    ASSERT_EQ(fromDb.RecordCount(), packet.RecordCount());
    expectSameResults(expected, runSampleSessions(fromDb), "PostgreSQL");
}

TEST_F(Postgres, TheDemoHostReadsTheServerWithThePasswordFromTheEnvironmentOrThePassFile)
{
    ensureDemoTreeInstalled();
    TClientDataSet packet;
    packet.LoadFromFile(samplePacketPath());
    demo::SqlExport::write(packet, db(), QStringLiteral("observacoes"));
    exec(QStringLiteral("GRANT SELECT ON observacoes TO %1").arg(PgCluster::passwordUser()));

    const QString host = QString::fromLatin1(QUrl::toPercentEncoding(server->socketDir()));
    auto run = [&](const QString &user, const QStringList &env) {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("PGPASSWORD"));
        e.insert(QStringLiteral("PGPASSFILE"), QStringLiteral("/nonexistent"));
        for (const QString &kv : env)
            e.insert(kv.section(u'=', 0, 0), kv.section(u'=', 1));
        p.setProcessEnvironment(e);
        QStringList args {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--json"),
                          QStringLiteral("--keys"), QStringLiteral("1 3 Return Alt+C")};
        if (!user.isEmpty())
            args << QStringLiteral("--database")
                 << QStringLiteral("postgresql://") + user + u'@' + host + u':' + QString::number(server->port()) + u'/'
                    + PgCluster::databaseName();
        p.start(demoHost(), args);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "observacao-host did not end";
        }
        // The outcome on standard output; why it failed on standard error.
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        return std::make_pair(p.exitCode(), out.isEmpty() ? QString::fromUtf8(p.readAllStandardError()) : out);
    };
    const auto fromPacket = run(QString(), {});
    ASSERT_EQ(fromPacket.first, 0) << qPrintable(fromPacket.second);
    const QString expected = fromPacket.second;
    ASSERT_TRUE(expected.contains(QStringLiteral("\"13\""))) << qPrintable(expected);
    const auto trusted = run(PgCluster::superuser(), {});
    EXPECT_EQ(trusted.first, 0) << qPrintable(trusted.second);
    EXPECT_EQ(trusted.second.toStdString(), expected.toStdString()) << qPrintable(trusted.second);

    const auto noPassword = run(PgCluster::passwordUser(), {});
    EXPECT_EQ(noPassword.first, 7) << qPrintable(noPassword.second);
    const auto withPassword = run(PgCluster::passwordUser(), {QStringLiteral("PGPASSWORD=") + PgCluster::password()});
    EXPECT_EQ(withPassword.first, 0) << qPrintable(withPassword.second);
    EXPECT_EQ(withPassword.second.toStdString(), expected.toStdString());

    QTemporaryDir dir;
    const QString passFile = dir.filePath(QStringLiteral("pgpass"));
    QFile f(passFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("*:*:*:%1:%2\n").arg(PgCluster::passwordUser(), PgCluster::password()).toUtf8());
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner); // libpq ignores a file others can read
    const auto fromPassFile = run(PgCluster::passwordUser(), {QStringLiteral("PGPASSFILE=") + passFile});
    EXPECT_EQ(fromPassFile.first, 0) << qPrintable(fromPassFile.second);
    EXPECT_EQ(fromPassFile.second.toStdString(), expected.toStdString());
}
