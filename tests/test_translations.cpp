// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The bundled translations: complete, in step with the marked texts, and reaching every
// window the operator sees.
#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "host/controls/TBlendedButton.h"
#include "host/data/TClientDataSet.h"
#include "host/search/SearchLook.h"
#include "host/search/TfrmEditaTexto.h"
#include "host/search/TfrmPesquisa.h"
#include "host/services/Mensagem.h"
#include "host/services/TMessages.h"
#include "host/services/Translations.h"
#include "platform/TLabel.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<TsMessage> readTs(const QString &path)
{
    QList<TsMessage> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << qPrintable(path);
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            m = TsMessage {context, {}, {}, {}};
        else if (xml.name() == u"source")
            m.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            out.append(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return out;
}

QSet<QString> keysOf(const QList<TsMessage> &messages)
{
    QSet<QString> keys;
    for (const TsMessage &m : messages)
        keys.insert(m.context + u'\x1f' + m.source);
    return keys;
}

const QString kLupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");

} // namespace

TEST(TranslationFiles, EveryTextIsTranslatedKeepingKeysAndPlaceholders)
{
    const QString dir = QStringLiteral(OBS_SOURCE_DIR "/translations/");
    const auto en = readTs(dir + QStringLiteral("observacao_en.ts"));
    const auto es = readTs(dir + QStringLiteral("observacao_es.ts"));
    ASSERT_FALSE(en.isEmpty());
    EXPECT_EQ(keysOf(en), keysOf(es));
    for (const auto *messages : {&en, &es}) {
        for (const TsMessage &m : *messages) {
            const std::string where = (m.context + u' ' + m.source).toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << ": " << qPrintable(m.type);
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(m.translation.count(QStringLiteral("%s")), m.source.count(QStringLiteral("%s"))) << where;
            // Catalogue lines: the key before the bar must survive.
            const qsizetype bar = m.source.indexOf(u'|');
            if (bar > 0) {
                EXPECT_TRUE(m.translation.startsWith(m.source.left(bar + 1))) << where;
            }
            // Leading blanks place a caption beside its picture.
            const qsizetype lead = m.source.size() - QStringView(m.source).trimmed().size();
            if (lead > 0 && m.source.startsWith(u' ')) {
                EXPECT_TRUE(m.translation.startsWith(QString(4, u' '))) << where;
            }
        }
    }
}

TEST(TranslationFiles, MatchWhatLupdateExtractsFromTheSources)
{
    if (!QFile::exists(kLupdate))
        GTEST_SKIP() << "lupdate not installed";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString out = tmp.filePath(QStringLiteral("now.ts"));
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(OBS_SOURCE_DIR));
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(kLupdate,
            {QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("-silent"), QStringLiteral("dialog"),
             QStringLiteral("host"), QStringLiteral("module"), QStringLiteral("platform"), QStringLiteral("-ts"), out});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAll().constData();
    const auto extracted = keysOf(readTs(out));
    const auto shipped = keysOf(readTs(QStringLiteral(OBS_SOURCE_DIR "/translations/observacao_en.ts")));
    EXPECT_FALSE(extracted.isEmpty());
    EXPECT_EQ(extracted, shipped) << "extracted " << extracted.size() << ", shipped " << shipped.size();
}

class Translated : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_TRUE(host::InstallTranslations(QStringLiteral("pt"))); }
};

TEST_F(Translated, UnknownLocalesAreRefusedAndPortugueseRestoresTheSourceTexts)
{
    EXPECT_FALSE(host::InstallTranslations(QStringLiteral("xx")));
    EXPECT_FALSE(host::InstallTranslations(QStringLiteral("de")));
    EXPECT_FALSE(host::InstallTranslations(QString()));
    ASSERT_TRUE(host::InstallTranslations(QStringLiteral("es_AR")));
    EXPECT_EQ(QCoreApplication::translate("host::Mensagem", "OK"), QStringLiteral("Aceptar"));
    ASSERT_TRUE(host::InstallTranslations(QStringLiteral("pt_BR")));
    EXPECT_EQ(QCoreApplication::translate("host::Mensagem", "OK"), QStringLiteral("OK"));
    EXPECT_EQ(QCoreApplication::translate("host::TfrmPesquisa", "Sair"), QStringLiteral("Sair"));
}

TEST_F(Translated, TheObservationWindowItsCatalogueAndAccessibleNames)
{
    ASSERT_TRUE(host::InstallTranslations(QStringLiteral("en")));
    dialog::CallState call;
    dialog::TfrmObservacaoMod frm(call);
    frm.DoCreate();
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Notes"));
    const auto button = [&](const char *name) { return frm.findChild<QAbstractButton *>(QString::fromLatin1(name)); };
    EXPECT_EQ(button("sbtSair")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(button("sbtSair")->accessibleName(), QStringLiteral("Exit"));
    EXPECT_EQ(button("sbtEspaco")->accessibleName(), QStringLiteral("Space"));
    EXPECT_EQ(button("sbtPesquisa")->accessibleName(), QStringLiteral("Search Notes"));
    EXPECT_EQ(button("sbtCorrigir")->text(), QStringLiteral("      Clear"));
    EXPECT_EQ(frm.findChild<platform::TLabel *>(QStringLiteral("lblCodigo"))->Caption(), QStringLiteral("Code:"));
    EXPECT_EQ(frm.findChild<platform::TLabel *>(QStringLiteral("lblCodigo"))->accessibleName(),
              QStringLiteral("Code:"));
    auto *catalogue = frm.findChild<host::TMessages *>(QStringLiteral("msgPadrao"));
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Msg(QStringLiteral("Cod_Inv")), QStringLiteral("%s not registered."));
    EXPECT_EQ(catalogue->Msg(QStringLiteral("Cod_Inf")), QStringLiteral("Please enter a code."));
    // Character keys are not texts to translate.
    EXPECT_EQ(button("sbtCCdil")->text(), QStringLiteral("Ç"));
}

TEST_F(Translated, ACatalogueTranslationThatLostItsKeyKeepsTheSourceLine)
{
    struct Broken : QTranslator
    {
        QString translate(const char *, const char *source, const char *, int) const override
        {
            const QString s = QString::fromUtf8(source);
            return s.contains(u'|') ? QStringLiteral("sem chave") : QString();
        }
        bool isEmpty() const override { return false; }
    } broken;
    QCoreApplication::installTranslator(&broken);
    dialog::CallState call;
    dialog::TfrmObservacaoMod frm(call);
    frm.DoCreate();
    QCoreApplication::removeTranslator(&broken);
    auto *catalogue = frm.findChild<host::TMessages *>(QStringLiteral("msgPadrao"));
    EXPECT_EQ(catalogue->Msg(QStringLiteral("Cod_Inf")), QStringLiteral("Código deve ser informado."));
}

TEST_F(Translated, TheSearchTheEditorAndTheMessageBoxTranslateTheirOwnTexts)
{
    ASSERT_TRUE(host::InstallTranslations(QStringLiteral("es")));
    host::TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), host::FieldType::String, 2});
    list.AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 40});
    list.CreateDataSet();
    host::TfrmPesquisa search(&list, host::SearchLook {});
    EXPECT_EQ(search.windowTitle(), QStringLiteral("Búsqueda"));
    EXPECT_EQ(search.findChild<QAbstractButton *>(QStringLiteral("btnSair"))->text(), QStringLiteral("Salir"));
    EXPECT_EQ(search.findChild<QAbstractButton *>(QStringLiteral("btnLimpar"))->text(), QStringLiteral("Limpiar"));
    EXPECT_EQ(search.findChild<QAbstractButton *>(QStringLiteral("btnEspaco"))->accessibleName(),
              QStringLiteral("Espacio"));
    EXPECT_EQ(search.findChild<QWidget *>(QStringLiteral("lstPesquisa"))->accessibleName(),
              QStringLiteral("Resultados de la búsqueda"));

    host::TfrmEditaTexto editor(QStringLiteral("x"), host::SearchLook {});
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Editar texto"));
    EXPECT_EQ(editor.findChild<QAbstractButton *>(QStringLiteral("btnShift"))->text(), QStringLiteral("May."));
    EXPECT_EQ(editor.findChild<QAbstractButton *>(QStringLiteral("btnConfirmar"))->text(), QStringLiteral("Confirmar"));

    QString okText;
    QString title;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"frmMensagem" && w->isVisible()) {
                title = w->windowTitle();
                auto *ok = w->findChild<host::TBlendedButton *>(QStringLiteral("btnOk"));
                okText = ok->text() + u'/' + ok->accessibleName();
                ok->click();
            }
        }
    });
    host::Mensagem(QStringLiteral("x"), QString(), QStringLiteral("N"), QStringLiteral("N"), host::tmInformacao,
                   QString(), QString(), 0, nullptr);
    EXPECT_EQ(title, QStringLiteral("Mensaje"));
    EXPECT_EQ(okText, QStringLiteral("Aceptar/Aceptar"));
}

TEST_F(Translated, TheSearchAndEditorKeysFitTheirCaptionsInEveryLanguage)
{
    host::TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), host::FieldType::String, 2});
    list.AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 40});
    list.CreateDataSet();
    for (const char *lang : {"pt", "en", "es"}) {
        ASSERT_TRUE(host::InstallTranslations(QString::fromLatin1(lang)));
        host::TfrmPesquisa search(&list, host::SearchLook {});
        host::TfrmEditaTexto editor(QString(), host::SearchLook {});
        for (QDialog *dialog : {static_cast<QDialog *>(&search), static_cast<QDialog *>(&editor)}) {
            dialog->show();
            for (auto *key : dialog->findChildren<QAbstractButton *>()) {
                const int needed = QFontMetrics(key->font()).horizontalAdvance(key->text());
                // A few pixels for the rounded face's edge.
                EXPECT_LE(needed, key->width() - 6)
                    << lang << " " << qPrintable(key->objectName()) << " " << qPrintable(key->text());
            }
        }
    }
}
