// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// End-to-end sessions: the installed demo host loads the installed module and is
// driven by --keys on the offscreen platform, as the README shows.
#include "support/DemoTree.h"

#include "host/data/TClientDataSet.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

const QString kTree = demoTree();
const QString kHost = demoHost();

struct HostRun
{
    int status = -1;
    QStringList lines; // standard output
    QString errors; // standard error
    qint64 ms = 0;
};

class DemoHost : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureDemoTreeInstalled(); }

    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo::exists(kHost)) << qPrintable(kHost);
        ASSERT_TRUE(m_dir.isValid());
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A list with a code, its description, DSOCORR and four more fields of other
    // kinds; the second record holds nulls.
    QString writeList()
    {
        host::TClientDataSet list;
        list.AddFieldDef({QStringLiteral("CODIGO"), host::FieldType::String, 2});
        list.AddFieldDef({QStringLiteral("DESCRICAO"), host::FieldType::String, 30});
        list.AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 60});
        list.AddFieldDef({QStringLiteral("QTDE"), host::FieldType::Int32});
        list.AddFieldDef({QStringLiteral("PRECO"), host::FieldType::Float64});
        list.AddFieldDef({QStringLiteral("CADASTRO"), host::FieldType::Date});
        list.AddFieldDef({QStringLiteral("ATIVO"), host::FieldType::Boolean});
        list.CreateDataSet();
        list.AppendRecord({QStringLiteral("01"), QStringLiteral("Sem cebola"), QStringLiteral("Retirar a cebola"), 3,
                           2.5, QDate(2021, 3, 15), true});
        list.AppendRecord({QStringLiteral("AB"), QStringLiteral("Com gelo"), QStringLiteral("Bebida com gelo"),
                           QVariant(), QVariant(), QVariant(), false});
        const QString file = path(QStringLiteral("observacoes.xml"));
        list.SaveToFile(file);
        return file;
    }

    // Runs the installed host headless with --json and the given arguments; with
    // addressSpace, under that limit of virtual memory.
    HostRun host(QStringList args, bool json = true, rlim_t addressSpace = 0)
    {
        args.prepend(QStringLiteral("offscreen"));
        args.prepend(QStringLiteral("-platform"));
        if (json)
            args << QStringLiteral("--json");
        QProcess p;
        if (addressSpace != 0)
            p.setChildProcessModifier([addressSpace] {
                const rlimit limit {addressSpace, addressSpace};
                setrlimit(RLIMIT_AS, &limit);
            });
        QElapsedTimer clock;
        clock.start();
        p.start(kHost, args);
        HostRun run;
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "observacao-host did not end: " << qPrintable(args.join(u' '));
            return run;
        }
        run.ms = clock.elapsed();
        run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        run.lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        run.errors = QString::fromUtf8(p.readAllStandardError());
        return run;
    }

    HostRun session(const QStringList &scripts, QStringList more = {})
    {
        QStringList args {QStringLiteral("--list"), writeList()};
        for (const QString &s : scripts)
            args << QStringLiteral("--keys") << s;
        return host(args + more);
    }

    // The scheme identifier that messages carry: that of a parameter file beside the
    // host program, when there is one.
    static QString scheme()
    {
        const QString file = kTree + QStringLiteral("/bin/PARAMETROSLUM.CDS");
        if (!QFileInfo::exists(file))
            return QString();
        host::TClientDataSet params;
        params.LoadFromFile(file);
        return params.FieldByName(QStringLiteral("IDESQUEMA"))->AsString();
    }

    QTemporaryDir m_dir;
};

std::string lines(const HostRun &run)
{
    return run.lines.join(u'\n').toStdString();
}

const char *const kErro = R"({"low":0,"high":0,"items":["Erro"]})";

} // namespace

TEST_F(DemoHost, TheTypicalCallReturnsTheRecordAndTheComposedText)
{
    const HostRun run = session({QStringLiteral("0 1 Return Alt+C")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_EQ(lines(run),
              R"({"call":1,"result":{"low":0,"high":7,"items":["01","Sem cebola","Retirar a cebola",)"
              R"(3,2.5,{"date":"2021-03-15"},true," Sem cebola;"]},"messages":[]})");
}

TEST_F(DemoHost, TheSameSessionByTouch)
{
    const HostRun run = session({QStringLiteral("tap:sbt0 tap:sbt1 tap:sbtEnter tap:spbConfirmar")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines[0].contains(QStringLiteral(R"("items":["01","Sem cebola",)"))) << lines(run);
    EXPECT_TRUE(run.lines[0].contains(QStringLiteral(R"(," Sem cebola;"]})"))) << lines(run);
}

TEST_F(DemoHost, LeavingReturnsErro)
{
    for (const char *script : {"Escape", "tap:sbtSair", "0 1 Return Shift+Escape"}) {
        const HostRun run = session({QString::fromUtf8(script)});
        EXPECT_EQ(run.status, 0) << script << qPrintable(run.errors);
        EXPECT_EQ(lines(run), std::string(R"({"call":1,"result":)") + kErro + R"(,"messages":[]})") << script;
    }
}

TEST_F(DemoHost, AnUnknownCodeIsReportedWithTheCaption)
{
    HostRun run = session({QStringLiteral("9 9 Return tap:btnOk Escape")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    const std::string message
        = R"("messages":[{"text":"Observação não cadastrado(a).","scheme":")" + scheme().toStdString() + R"("}]})";
    EXPECT_EQ(lines(run), std::string(R"({"call":1,"result":)") + kErro + "," + message);

    run = session({QStringLiteral("9 9 Return Return Escape")},
                  {QStringLiteral("--caption"), QStringLiteral("Ocorrência")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral(R"("text":"Ocorrência não cadastrado(a).")"))) << lines(run);
}

TEST_F(DemoHost, TwoCallsInARowEachStartAfresh)
{
    const HostRun run = session({QStringLiteral("0 1 Return Alt+C"), QStringLiteral("A B Return Alt+C")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    ASSERT_EQ(run.lines.size(), 2) << lines(run);
    EXPECT_TRUE(run.lines[0].startsWith(QStringLiteral(R"({"call":1,"result":{"low":0,"high":7,"items":["01",)")));
    // The second call's text holds only its own observation; its nulls pass through.
    EXPECT_EQ(run.lines[1].toStdString(),
              R"({"call":2,"result":{"low":0,"high":7,"items":["AB","Com gelo","Bebida com gelo",)"
              R"(null,null,null,false," Com gelo;"]},"messages":[]})");
}

TEST_F(DemoHost, TheEditorAndTheSearchAreDrivenByTheirNames)
{
    // A rewritten text confirmed without a code: the fields stay empty.
    HostRun run = session({QStringLiteral("Alt+E tap:btnLimpar type:Nova Space type:obs Ctrl+Return Alt+C")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    const std::string empty = R"({"empty":true},)";
    std::string items;
    for (int i = 0; i < 7; ++i)
        items += empty;
    EXPECT_EQ(lines(run),
              R"({"call":1,"result":{"low":0,"high":7,"items":[)" + items + R"("Nova obs"]},"messages":[]})");

    // A search left by its exit key leaves nothing to confirm.
    run = session({QStringLiteral("Alt+P tap:btnSair Alt+C tap:btnOk tap:sbtSair")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_EQ(lines(run),
              std::string(R"({"call":1,"result":)") + kErro
                  + R"(,"messages":[{"text":"Código deve ser informado.","scheme":")" + scheme().toStdString()
                  + R"("}]})");
}

TEST_F(DemoHost, LangTranslatesTheMessagesAndKeepsTheCaptionVerbatim)
{
    const QStringList odd {QStringLiteral("--caption"), QStringLiteral("50% %s %1")};
    HostRun run = session({QStringLiteral("9 9 Return tap:btnOk Escape")}, odd + QStringList {"--lang", "en"});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral(R"("text":"50% %s %1 not registered.")"))) << lines(run);

    run = session({QStringLiteral("9 9 Return tap:btnOk Escape")}, odd + QStringList {"--lang", "es"});
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral(R"("text":"50% %s %1 no registrado(a).")"))) << lines(run);

    // The search and the editor are reached and left by their keys' names in any language.
    run = session({QStringLiteral("Alt+E tap:btnSair Alt+P tap:btnSair Alt+C tap:btnOk tap:sbtSair")},
                  {QStringLiteral("--lang"), QStringLiteral("es")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral(R"("text":"Debe ingresar un código.")"))) << lines(run);

    run = session({QStringLiteral("Alt+C tap:btnOk tap:sbtSair")}, {QStringLiteral("--lang"), QStringLiteral("pt")});
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral(R"("text":"Código deve ser informado.")"))) << lines(run);
}

TEST_F(DemoHost, AnUnknownLanguageIsNamedBeforeAnyCall)
{
    const HostRun run = session({QStringLiteral("Escape")}, {QStringLiteral("--lang"), QStringLiteral("xx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.lines.isEmpty()) << lines(run);
    EXPECT_TRUE(run.errors.contains(QStringLiteral(R"(no translation for language "xx")"))) << qPrintable(run.errors);
}

TEST_F(DemoHost, AWindowClosedByTheSystemCountsAsLeaving)
{
    for (const char *script : {"close", "0 1 Return Alt+Shift+F4"}) {
        const HostRun run = session({QString::fromUtf8(script)});
        EXPECT_EQ(run.status, 0) << script << qPrintable(run.errors);
        EXPECT_EQ(lines(run), std::string(R"({"call":1,"result":)") + kErro + R"(,"messages":[]})") << script;
    }
}

TEST_F(DemoHost, TheBundledListAndPlainOutput)
{
    HostRun run = host({QStringLiteral("--keys"), QStringLiteral("0 1 Return Alt+C")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    ASSERT_EQ(run.lines.size(), 1);
    const QJsonArray items = QJsonDocument::fromJson(run.lines[0].toUtf8())
                                 .object()
                                 .value(QStringLiteral("result"))
                                 .toObject()
                                 .value(QStringLiteral("items"))
                                 .toArray();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.first().toString(), QStringLiteral("01"));
    EXPECT_EQ(items.last().toString(), QStringLiteral(" %1;").arg(items.at(1).toString()));

    run = host({QStringLiteral("--list"), writeList(), QStringLiteral("--keys"), QStringLiteral("Escape")}, false);
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_EQ(lines(run), "Call 1 returned array 0..0 [\"Erro\"]\n  no messages");
}

TEST_F(DemoHost, ShotSavesTheDialog)
{
    const QString picture = path(QStringLiteral("dialogo.png"));
    const HostRun run = session({QStringLiteral("0 1 shot:%1 Escape").arg(picture)});
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_EQ(QImage(picture).size(), QSize(726, 480));
}

TEST_F(DemoHost, AnUnknownKeyIsRefusedBeforeAnyCall)
{
    const HostRun run = session({QStringLiteral("Escape"), QStringLiteral("0 1 Retrun")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.lines.isEmpty()) << lines(run);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("\"Retrun\""))) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("call 2"))) << qPrintable(run.errors);
}

TEST_F(DemoHost, AModuleThatCannotBeLoadedIsNamed)
{
    const QString missing = path(QStringLiteral("nenhum.so"));
    HostRun run = host({QStringLiteral("--module"), missing, QStringLiteral("--keys"), QStringLiteral("Escape")});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(run.errors.contains(missing)) << qPrintable(run.errors);

    const QString bogus = path(QStringLiteral("libfalso.so"));
    QFile f(bogus);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a library");
    f.close();
    run = host({QStringLiteral("--module"), bogus, QStringLiteral("--keys"), QStringLiteral("Escape")});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.errors.contains(bogus)) << qPrintable(run.errors);
}

TEST_F(DemoHost, AListThatCannotBeReadIsNamed)
{
    const QString missing = path(QStringLiteral("nenhuma.xml"));
    HostRun run = host({QStringLiteral("--list"), missing, QStringLiteral("--keys"), QStringLiteral("Escape")});
    EXPECT_EQ(run.status, 4);
    EXPECT_TRUE(run.errors.contains(missing)) << qPrintable(run.errors);

    const QString garbled = path(QStringLiteral("estragada.xml"));
    QFile f(garbled);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<DATAPACKET");
    f.close();
    run = host({QStringLiteral("--list"), garbled, QStringLiteral("--keys"), QStringLiteral("Escape")});
    EXPECT_EQ(run.status, 4);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(run.errors.contains(garbled)) << qPrintable(run.errors);
}

TEST_F(DemoHost, AnUnknownControlEndsTheRunAtOnce)
{
    const HostRun run = session({QStringLiteral("0 tap:sbtNada Escape"), QStringLiteral("Escape")});
    EXPECT_EQ(run.status, 5);
    // Neither the failed call nor the one after it reports a result.
    EXPECT_TRUE(run.lines.isEmpty()) << lines(run);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("\"sbtNada\""))) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("frmObservacaoMod"))) << qPrintable(run.errors);
    EXPECT_LT(run.ms, 2000);
}

TEST_F(DemoHost, AWindowLeftOpenEndsTheRunAfterTwoSeconds)
{
    HostRun run = session({QStringLiteral("0 1")});
    EXPECT_EQ(run.status, 6);
    EXPECT_TRUE(run.lines.isEmpty()) << lines(run);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("\"frmObservacaoMod\""))) << qPrintable(run.errors);
    EXPECT_GE(run.ms, 2000);

    // The innermost window is the one named, the one below it after.
    run = session({QStringLiteral("Return")});
    EXPECT_EQ(run.status, 6);
    const qsizetype box = run.errors.indexOf(QStringLiteral("\"frmMensagem\""));
    EXPECT_GE(box, 0) << qPrintable(run.errors);
    EXPECT_GT(run.errors.indexOf(QStringLiteral("\"frmObservacaoMod\"")), box) << qPrintable(run.errors);

    // No script at all, and nobody to operate the window.
    run = host({QStringLiteral("--list"), writeList()});
    EXPECT_EQ(run.status, 6);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("\"frmObservacaoMod\""))) << qPrintable(run.errors);
}

TEST_F(DemoHost, HostileListsAreRefusedWithinAMemoryLimit)
{
    // Far below what reading any of these whole would take. AddressSanitizer reserves
    // terabytes of address space up front, so under it only the refusals are checked.
#if defined(__SANITIZE_ADDRESS__) // g++
    constexpr rlim_t Limit = 0;
#elif defined(__has_feature) && __has_feature(address_sanitizer) // clang
    constexpr rlim_t Limit = 0;
#else
    constexpr rlim_t Limit = rlim_t(400) * 1024 * 1024;
#endif
    auto refused = [&](const QString &list, const QString &problem) {
        const HostRun run
            = host({QStringLiteral("--list"), list, QStringLiteral("--keys"), QStringLiteral("Escape")}, true, Limit);
        EXPECT_EQ(run.status, 4) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.contains(list)) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.contains(problem)) << qPrintable(run.errors);
    };
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };

    // Ten million unclosed elements (30 MB) once took 1.9 GB before being called truncated.
    refused(write(QStringLiteral("funda.xml"),
                  R"(<?xml version="1.0"?><DATAPACKET><METADATA><X>)" + QByteArray("<Y>").repeated(10000000)),
            QStringLiteral("5 níveis"));
    // A file that claims no size and never ends.
    if (QFileInfo::exists(QStringLiteral("/proc/self/pagemap")))
        refused(QStringLiteral("/proc/self/pagemap"), QStringLiteral("binário"));
    // Over the size limit: refused before a byte is read (the file is sparse).
    const QString huge = write(QStringLiteral("enorme.xml"), R"(<?xml version="1.0"?><DATAPACKET>)");
    ASSERT_TRUE(QFile::resize(huge, qint64(300) * 1024 * 1024));
    refused(huge, QStringLiteral("limite de 268435456 bytes"));
    // UTF-8 with one stray Windows-1252 byte is neither.
    const QByteArray mixed = R"(<?xml version="1.0"?><DATAPACKET><METADATA><FIELDS><FIELD attrname="CODIGO" )"
                             R"(fieldtype="string" WIDTH="2"/><FIELD attrname="DESCRICAO" fieldtype="string" )"
                             R"(WIDTH="30"/></FIELDS></METADATA><ROWDATA><ROW CODIGO="01" DESCRICAO="Sem a)"
                             "\xC3\xA7\xC3\xBA"
                             R"(car"/><ROW CODIGO="02" DESCRICAO="P)"
                             "\xE3"
                             R"(o"/></ROWDATA></DATAPACKET>)";
    refused(write(QStringLiteral("mista.xml"), mixed), QStringLiteral("byte %1").arg(mixed.indexOf('\xE3')));
}

TEST_F(DemoHost, OverItsOwnWindowTheCallsReturnTheSameAndTheHostWindowHasTheKeyboardAfter)
{
    const QStringList hostWindow {QStringLiteral("--host-window")};
    HostRun run = session({QStringLiteral("0 1 Return Alt+C"), QStringLiteral("Escape")}, hostWindow);
    EXPECT_EQ(run.status, 0) << qPrintable(run.errors);
    ASSERT_EQ(run.lines.size(), 2) << lines(run);
    EXPECT_EQ(run.lines[0].toStdString(),
              R"({"call":1,"result":{"low":0,"high":7,"items":["01","Sem cebola","Retirar a cebola",)"
              R"(3,2.5,{"date":"2021-03-15"},true," Sem cebola;"]},"messages":[],"hostWindow":{"active":true}})");
    EXPECT_EQ(run.lines[1].toStdString(),
              std::string(R"({"call":2,"result":)") + kErro + R"(,"messages":[],"hostWindow":{"active":true}})");

    // The host's own window stays open between and after the calls without counting as a
    // window of the call left open; one that is left open is still named.
    run = session({QStringLiteral("0 1")}, hostWindow);
    EXPECT_EQ(run.status, 6);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("\"frmObservacaoMod\""))) << qPrintable(run.errors);
    EXPECT_FALSE(run.errors.contains(QStringLiteral("hostMainWindow"))) << qPrintable(run.errors);
}
