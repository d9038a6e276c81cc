// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The entry call: window lifetime, display parameters, the error trap, start-up and shut-down.
#include "support/DialogTest.h"

#include "dialog/CallState.h"
#include "module/Entry.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/FileNames.h"
#include "platform/Screen.h"
#include "platform/TLabel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <thread>

using dialog::TfrmObservacaoMod;

namespace {

class Entry : public DialogTest
{ };

TEST_F(Entry, EachCallBuildsShowsAndReleasesItsOwnWindow)
{
    QPointer<TfrmObservacaoMod> first;
    QString firstTitle, secondCode, secondDesc;
    h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        first = &f;
        firstTitle = f.windowTitle();
        EXPECT_TRUE(module::callState().boCriado);
        EXPECT_TRUE(f.isModal());
        f.sbtSair->click();
    });
    EXPECT_TRUE(first.isNull()); // released
    EXPECT_EQ(module::callState().frmObservacaoMod, nullptr);
    EXPECT_FALSE(module::callState().boCriado);
    EXPECT_EQ(firstTitle, QStringLiteral("Observação"));

    const QVariant r = h.call(list.get(), QStringLiteral("Adicional"), [&](TfrmObservacaoMod &f) {
        EXPECT_NE(&f, first.data());
        secondCode = code(f);
        secondDesc = desc(f);
        f.sbtSair->click();
    });
    EXPECT_EQ(h.windowTitle, QStringLiteral("Adicional"));
    EXPECT_EQ(secondCode, QString());
    EXPECT_EQ(secondDesc, QString());
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
    EXPECT_EQ(platform::Screen::cursor(), platform::Screen::crDefault);
}

TEST_F(Entry, WithoutParameterFileTheSearchGetsZerosAndMessagesAnEmptyScheme)
{
    h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        EXPECT_EQ(f.idEsquema(), QString());
        f.sbtPesquisa->click();
        f.sbtEnter->click();
    });
    ASSERT_EQ(h.pesquisaCalls.size(), 1);
    EXPECT_EQ(h.pesquisaCalls[0].args, (QVector<int> {0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].idEsquema, QString());
}

TEST_F(Entry, SchemeOfTheParameterFileReachesEveryMessage)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 100, 200, 300, 500));
    h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        EXPECT_EQ(f.corParametro1(), 100);
        EXPECT_EQ(f.corParametro5(), 500);
        f.sbtEnter->click(); // Cod_Inf
        f.spbConfirmar->click(); // Cod_Inf
        char nine = '9';
        f.FormKeyPress(&f, nine);
        f.FormKeyPress(&f, nine);
        f.sbtEnter->click(); // Cod_Inv
    });
    ASSERT_EQ(h.messages.size(), 3);
    for (const auto &m : h.messages)
        EXPECT_EQ(m.idEsquema, QStringLiteral("005"));
}

TEST_F(Entry, BadParameterFileIsShownWithScheme002AndTheNextCallWorksOnceMended)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 1, 2, 3, 5, {QStringLiteral("INCOR2")}));
    bool windowShown = false;
    platform::Screen::setCursor(platform::Screen::crDefault);
    const QVariant r
        = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &) { windowShown = true; });
    EXPECT_FALSE(windowShown);
    EXPECT_FALSE(r.isValid());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].idEsquema, QStringLiteral("002"));
    EXPECT_TRUE(h.messages[0].texto.contains(QStringLiteral("INCOR2")));
    EXPECT_EQ(platform::Screen::cursor(), platform::Screen::crDefault);
    EXPECT_EQ(module::callState().frmObservacaoMod, nullptr);
    EXPECT_FALSE(module::callState().boCriado);

    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 1, 2, 3, 5));
    const QVariant again
        = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) { f.sbtSair->click(); });
    EXPECT_EQ(again.toList(), QVariantList {QStringLiteral("Erro")});
}

// The file is parsed again only when its bytes change; any change must be seen, one of
// the same size included, and a file spoiled after a good read must not pass as the last.
TEST_F(Entry, ParameterFileIsReadAgainWhenItChangesAtAll)
{
    const auto colours = [&] {
        QVector<int> seen;
        QString scheme;
        h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
            seen = {f.corParametro1(), f.corParametro2(), f.corParametro3(), f.corParametro5()};
            scheme = f.idEsquema();
            f.sbtSair->click();
        });
        return std::make_pair(scheme, seen);
    };
    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 100, 200, 300, 500));
    EXPECT_EQ(colours(), std::make_pair(QStringLiteral("005"), QVector<int> {100, 200, 300, 500}));
    EXPECT_EQ(colours(), std::make_pair(QStringLiteral("005"), QVector<int> {100, 200, 300, 500}));

    h.writeParameterFile(parameterPacket(QStringLiteral("006"), 101, 200, 300, 509));
    EXPECT_EQ(colours(), std::make_pair(QStringLiteral("006"), QVector<int> {101, 200, 300, 509}));

    QByteArray spoiled = parameterPacket(QStringLiteral("006"), 101, 200, 300, 509);
    spoiled.replace("INCOR1=\"101\"", "INCOR1=\"1x1\"");
    h.writeParameterFile(spoiled);
    h.messages.clear();
    EXPECT_FALSE(h.call(list.get(), QStringLiteral("Observação"), nullptr).isValid());
    EXPECT_EQ(h.messages.size(), 1);

    h.writeParameterFile(parameterPacket(QStringLiteral("006"), 101, 200, 300, 509));
    EXPECT_EQ(colours(), std::make_pair(QStringLiteral("006"), QVector<int> {101, 200, 300, 509}));
    QFile::remove(QDir(h.programDir()).filePath(QStringLiteral("PARAMETROSLUM.CDS")));
    EXPECT_EQ(colours(), std::make_pair(QString(), QVector<int> {0, 0, 0, 0}));
}

TEST_F(Entry, ParameterValueThatIsNotAnIntegerIsTrapped)
{
    QByteArray packet = parameterPacket(QStringLiteral("005"), 1, 2, 3, 5);
    packet.replace("fieldtype=\"i4\"/><FIELD attrname=\"INCOR2\" fieldtype=\"i4\"",
                   "fieldtype=\"i4\"/><FIELD attrname=\"INCOR2\" fieldtype=\"string\" WIDTH=\"10\"");
    packet.replace("INCOR2=\"2\"", "INCOR2=\"azul\"");
    h.writeParameterFile(packet);
    const QVariant r = h.call(list.get(), QStringLiteral("Observação"), nullptr);
    EXPECT_FALSE(r.isValid());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].idEsquema, QStringLiteral("002"));
}

TEST_F(Entry, NullListIsTrappedNotACrash)
{
    const QVariant r = h.call(nullptr, QStringLiteral("Observação"), nullptr);
    EXPECT_FALSE(r.isValid());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].idEsquema, QStringLiteral("002"));
}

TEST_F(Entry, ExceptionFromTheMessageInsideTheTrapDoesNotEscape)
{
    host::SetMensagemHandler([](const host::MensagemArgs &) { throw std::runtime_error("box failed"); });
    const QVariant r = module::observacaoMod(nullptr, QStringLiteral("Observação"));
    EXPECT_FALSE(r.isValid());
    EXPECT_EQ(module::callState().frmObservacaoMod, nullptr);
}

// A translator that fails while the window is being built.
class ThrowingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *, const char *, int) const override
    {
        if (QByteArray(context).contains("TfrmObservacaoMod"))
            throw std::bad_alloc();
        return QString();
    }
    bool isEmpty() const override { return false; }
};

TEST_F(Entry, AnyExceptionIsTrappedNotOnlyThePlatformFamily)
{
    ThrowingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QVariant r = h.call(list.get(), QStringLiteral("Observação"), nullptr);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_FALSE(r.isValid());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].idEsquema, QStringLiteral("002"));
    EXPECT_FALSE(module::callState().boCriado);
}

TEST_F(Entry, WindowClosedBySystemReturnsErroNotAnEarlierResult)
{
    const QVariant chosen = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        f.lblInformacao->SetCaption(QStringLiteral("01"));
        f.spbConfirmar->click();
    });
    ASSERT_EQ(chosen.toList().size(), 8);
    const QVariant closed = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) { f.close(); });
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(closed.toList(), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Entry, CallMadeWhileAnotherIsInProgressIsRefused)
{
    QVariant nested = QStringLiteral("untouched");
    QPointer<TfrmObservacaoMod> window;
    const QVariant r = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        window = &f;
        nested = module::observacaoMod(list.get(), QStringLiteral("Outra"));
        EXPECT_EQ(module::callState().frmObservacaoMod, &f);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Observação"));
        f.sbtSair->click();
    });
    EXPECT_FALSE(nested.isValid());
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Entry, FinalizeEmptiesResultAndCaptionAndStartUpIsCounted)
{
    module::initializePackage();
    module::initializePackage();
    h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) { f.sbtSair->click(); });
    EXPECT_TRUE(module::callState().OleResult.isValid());
    module::finalizePackage(); // balances the second start-up only
    EXPECT_TRUE(module::callState().OleResult.isValid());
    EXPECT_EQ(module::callState().stCaption, QStringLiteral("Observação"));
    module::finalizePackage();
    EXPECT_FALSE(module::callState().OleResult.isValid());
    EXPECT_TRUE(module::callState().stCaption.isEmpty());

    const observacao::PackageInfoTable *table = module::packageInfoTable();
    ASSERT_NE(table, nullptr);
    ASSERT_GE(table->unitCount, 1);
    EXPECT_STREQ(table->units[0].name, "ObservacaoMod");
}

// Sees the pointer shape while the window's texts are translated during its creation.
class CursorProbe : public QTranslator
{
public:
    mutable int seen = 99;
    QString translate(const char *, const char *, const char *, int) const override
    {
        seen = platform::Screen::cursor();
        return QString();
    }
    bool isEmpty() const override { return false; }
};

TEST_F(Entry, PointerIsBusyWhileBuildingDefaultWhileShownAndAfterwards)
{
    CursorProbe probe;
    QCoreApplication::installTranslator(&probe);
    int whileShown = 99;
    h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        whileShown = platform::Screen::cursor();
        f.sbtSair->click();
    });
    QCoreApplication::removeTranslator(&probe);
    EXPECT_EQ(probe.seen, platform::Screen::crHourGlass);
    EXPECT_EQ(whileShown, platform::Screen::crDefault);
    EXPECT_EQ(platform::Screen::cursor(), platform::Screen::crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Entry, ParameterFileWithFieldsButNoRecordOpensTheDialogLikeAFileOfNulls)
{
    QByteArray packet = parameterPacket(QStringLiteral("005"), 1, 2, 3, 5);
    const int rows = packet.indexOf("<ROWDATA>");
    packet = packet.left(rows) + "<ROWDATA></ROWDATA></DATAPACKET>";
    h.writeParameterFile(packet);
    bool shown = false;
    const QVariant r = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        shown = true;
        EXPECT_EQ(f.idEsquema(), QString());
        EXPECT_EQ(f.corParametro1(), 0);
        EXPECT_EQ(f.corParametro5(), 0);
        f.sbtSair->click();
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(h.messages.isEmpty()) << messageTexts(h.messages).join(u'|').toStdString();
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Entry, ParameterFileNameIsMatchedIgnoringCaseExactNameFirst)
{
    const auto write = [&](const QString &name, const QString &scheme) {
        QFile f(QDir(h.programDir()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(parameterPacket(scheme, 1, 2, 3, 5));
    };
    const auto schemeOfACall = [&] {
        QString scheme = QStringLiteral("(not shown)");
        h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
            scheme = f.idEsquema();
            f.sbtSair->click();
        });
        return scheme;
    };
    write(QStringLiteral("parametroslum.cds"), QStringLiteral("low"));
    EXPECT_EQ(schemeOfACall(), QStringLiteral("low"));
    // Several in other cases: the first in code-point order, whatever the listing order.
    write(QStringLiteral("Parametroslum.cds"), QStringLiteral("mix"));
    EXPECT_EQ(schemeOfACall(), QStringLiteral("mix"));
    EXPECT_EQ(platform::findFileIgnoringCase(h.programDir(), QStringLiteral("PARAMETROSLUM.CDS")),
              QDir(h.programDir()).filePath(QStringLiteral("Parametroslum.cds")));
    // The exact name wins over every other case.
    h.writeParameterFile(parameterPacket(QStringLiteral("up"), 1, 2, 3, 5));
    EXPECT_EQ(schemeOfACall(), QStringLiteral("up"));
    // A directory of that name is no parameter file.
    h.removeParameterFile();
    QFile::remove(QDir(h.programDir()).filePath(QStringLiteral("parametroslum.cds")));
    QFile::remove(QDir(h.programDir()).filePath(QStringLiteral("Parametroslum.cds")));
    ASSERT_TRUE(QDir(h.programDir()).mkdir(QStringLiteral("parametrosLUM.cds")));
    EXPECT_EQ(schemeOfACall(), QString());
    EXPECT_TRUE(h.messages.isEmpty());
}

TEST_F(Entry, ErrorInsideACommandIsShownWithTheDialogsSchemeAndItsOwnText)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 1, 2, 3, 5));
    host::TClientDataSet bare; // no DSOCORR: the search command fails once the search returned
    bare.AddFieldDef({QStringLiteral("COD"), host::FieldType::String, 2});
    bare.AddFieldDef({QStringLiteral("DESC"), host::FieldType::String, 20});
    bare.CreateDataSet();
    bare.AppendRecord({QStringLiteral("01"), QStringLiteral("Sem gelo")});
    h.pesquisaAction = [](host::TClientDataSet *) { return true; };
    h.call(&bare, QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
        f.sbtPesquisa->click();
        f.sbtCorrigir->click();
        f.sbtEnter->click(); // Cod_Inf: one of the dialog's own messages, to compare with
        f.sbtSair->click();
    });
    ASSERT_EQ(h.messages.size(), 2);
    const host::MensagemArgs &error = h.messages[0];
    const host::MensagemArgs &own = h.messages[1];
    EXPECT_TRUE(error.texto.contains(QStringLiteral("DSOCORR"))) << error.texto.toStdString();
    EXPECT_EQ(error.idEsquema, QStringLiteral("005"));
    EXPECT_EQ(error.tipo, own.tipo);
    EXPECT_EQ(error.opcao1, own.opcao1);
    EXPECT_EQ(error.opcao2, own.opcao2);

    // Outside such a window an error is still shown as an error, without a scheme.
    h.messages.clear();
    platform::Application::guarded([] { throw platform::EDatabaseError(QStringLiteral("falhou")); });
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].tipo, host::tmErro);
    EXPECT_EQ(h.messages[0].idEsquema, QString());
}

TEST_F(Entry, CallFromAnotherThreadTouchesNothingOfTheInterface)
{
    platform::Screen::setCursor(platform::Screen::crHourGlass); // the host's own pointer
    QVariant r = QStringLiteral("untouched");
    std::thread worker([&] { r = module::observacaoMod(list.get(), QStringLiteral("Observação")); });
    worker.join();
    const int pointer = platform::Screen::cursor();
    platform::Screen::setCursor(platform::Screen::crDefault);
    EXPECT_FALSE(r.isValid());
    EXPECT_EQ(pointer, platform::Screen::crHourGlass);
    EXPECT_TRUE(h.messages.isEmpty()) << messageTexts(h.messages).join(u'|').toStdString();
    EXPECT_EQ(module::callState().frmObservacaoMod, nullptr);
    EXPECT_FALSE(module::callState().boCriado);
}

} // namespace

TEST_F(Entry, AParameterFileFarLargerThanOneRecordIsRefusedUnread)
{
    // Padded with blanks between rows to 2 MiB: well formed, but no parameter file is that big.
    QByteArray packet = parameterPacket(QStringLiteral("005"), 1, 2, 3, 5);
    packet.replace("<ROWDATA>", "<ROWDATA>" + QByteArray(2 * 1024 * 1024, ' '));
    h.writeParameterFile(packet);
    const QVariant r = h.call(list.get(), QStringLiteral("Observação"), nullptr);
    EXPECT_FALSE(r.isValid());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_TRUE(h.messages[0].texto.contains(QStringLiteral("PARAMETROSLUM.CDS"))) << qPrintable(h.messages[0].texto);
    EXPECT_TRUE(h.messages[0].texto.contains(QStringLiteral("limite de 1048576 bytes")))
        << qPrintable(h.messages[0].texto);
}
