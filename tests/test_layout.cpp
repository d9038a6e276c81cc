// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The observation window against its layout: the description table, the built window,
// and pixels of an offscreen picture of it.
#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "dialog/WindowDescription.h"
#include "host/controls/TBlendedBitBtn.h"
#include "host/controls/TTecladoTela.h"
#include "platform/TLabel.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using dialog::ControlClass;
using dialog::ControlDesc;
using dialog::TfrmObservacaoMod;

namespace {

const ControlDesc &find(const char *name)
{
    for (const ControlDesc &d : dialog::windowControls())
        if (QByteArray(d.name) == name)
            return d;
    throw std::runtime_error(std::string("no control ") + name);
}

TEST(WindowDescription, CreationOrderIsTheLayoutsOrder)
{
    const QStringList expected
        = QStringLiteral("blsBorda blsCod lblCodigo lblInformacao blsDesc lblDesc blsKeyBoard "
                         "sbt1 sbt2 sbt3 sbt4 sbt5 sbt6 sbt7 sbt8 sbt9 sbt0 spdBackSpace "
                         "sbtQ sbtW sbtE sbtR sbtT sbtY sbtU sbtI sbtO sbtP "
                         "sbtA sbtS sbtD sbtF sbtG sbtH sbtJ sbtK sbtL sbtCCdil sbtZ sbtC sbtV sbtB sbtN sbtM "
                         "sbtCorrigir sbtPesquisa sbtSair sbtEspaco sbtX sbtEnter spbConfirmar sbtEditaDesc")
              .split(u' ');
    QStringList names;
    for (const ControlDesc &d : dialog::windowControls())
        names << QString::fromUtf8(d.name);
    EXPECT_EQ(names, expected);
}

TEST(WindowDescription, CharacterKeysSitOnTheGridWithTheirCodesAsTags)
{
    const char *rows[4] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    int seen = 0;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; rows[r][c]; ++c) {
            const char ch = rows[r][c];
            const std::string name = std::string("sbt") + ch;
            const ControlDesc &d = find(name.c_str());
            SCOPED_TRACE(name);
            EXPECT_EQ(d.cls, ControlClass::TBlendedButton);
            EXPECT_EQ(d.bounds, QRect(13 + 61 * c, 203 + 54 * r, 60, 53));
            EXPECT_EQ(d.tag, int(ch));
            EXPECT_EQ(QByteArray(d.caption), QByteArray(1, ch));
            EXPECT_EQ(QByteArray(d.font.family), "Arial");
            EXPECT_EQ(d.font.pixelSize, 24);
            EXPECT_FALSE(d.font.bold);
            EXPECT_EQ(d.command, dialog::Command::Character);
            EXPECT_EQ(d.color, 0x808080u);
            EXPECT_EQ(d.fontColor, 0xFFFFFFu);
            EXPECT_EQ(d.downColor, 0x000000u);
            EXPECT_EQ(d.downFontColor, 0xFFFFFFu);
            ++seen;
        }
    }
    EXPECT_EQ(seen, 36);
    EXPECT_EQ(find("sbt7").disabledColor, 0xCCCCCCu);
    EXPECT_EQ(find("sbt7").disabledFontColor, 0xFFFFFFu);
    EXPECT_EQ(find("sbt8").disabledColor, 0x808080u);
    EXPECT_EQ(find("sbt8").disabledFontColor, 0xC0C0C0u);
}

TEST(WindowDescription, CommandKeysHaveTheirBoundsCaptionsFontsAndCommands)
{
    struct Expect
    {
        const char *name;
        ControlClass cls;
        QRect bounds;
        const char *caption;
        int font;
        bool bold;
        int glyph;
        dialog::Command command;
    };
    const Expect keys[] = {
        {"spdBackSpace",
         ControlClass::TBlendedButton,
         {624, 203, 90, 53},
         "Backspace",
         15,
         true,
         0,
         dialog::Command::Backspace},
        {"sbtCCdil", ControlClass::TBlendedButton, {562, 311, 60, 53}, "Ç", 24, false, 0, dialog::Command::CCedilla},
        {"sbtCorrigir",
         ControlClass::TBlendedBitBtn,
         {440, 365, 182, 53},
         "      Apagar",
         21,
         false,
         1,
         dialog::Command::Clear},
        {"sbtPesquisa",
         ControlClass::TBlendedBitBtn,
         {569, 5, 144, 38},
         "    Pesquisar          Observação",
         15,
         true,
         2,
         dialog::Command::Search},
        {"sbtSair", ControlClass::TBlendedBitBtn, {13, 419, 121, 53}, "Sair", 21, false, 3, dialog::Command::Exit},
        {"sbtEspaco", ControlClass::TBlendedButton, {135, 419, 304, 53}, "", 24, false, 0, dialog::Command::Space},
        {"sbtEnter", ControlClass::TBlendedBitBtn, {624, 257, 90, 160}, "Enter", 21, false, 0, dialog::Command::Enter},
        {"spbConfirmar",
         ControlClass::TBlendedBitBtn,
         {580, 419, 134, 53},
         "Confirmar",
         21,
         false,
         0,
         dialog::Command::Confirm},
        {"sbtEditaDesc",
         ControlClass::TBlendedBitBtn,
         {440, 419, 139, 53},
         "Editar",
         21,
         false,
         4,
         dialog::Command::EditDescription},
    };
    for (const Expect &e : keys) {
        SCOPED_TRACE(e.name);
        const ControlDesc &d = find(e.name);
        EXPECT_EQ(d.cls, e.cls);
        EXPECT_EQ(d.bounds, e.bounds);
        EXPECT_EQ(QString::fromUtf8(d.caption), QString::fromUtf8(e.caption));
        EXPECT_EQ(d.font.pixelSize, e.font);
        EXPECT_EQ(d.font.bold, e.bold);
        EXPECT_EQ(d.glyph, e.glyph);
        EXPECT_EQ(d.command, e.command);
        EXPECT_EQ(d.tag, 0);
    }
    EXPECT_EQ(find("sbtCorrigir").spacing, -5);
    EXPECT_EQ(find("sbtPesquisa").spacing, -5);
    EXPECT_EQ(find("sbtEnter").layout, host::ButtonLayout::GlyphTop);
    for (const char *white : {"sbtCorrigir", "sbtPesquisa", "sbtEspaco"})
        EXPECT_EQ(find(white).disabledColor, 0xFFFFFFu) << white;
}

TEST(WindowDescription, ShapesAndLabels)
{
    EXPECT_EQ(find("blsBorda").cls, ControlClass::TShape);
    EXPECT_EQ(find("blsBorda").bounds, QRect(0, 0, 726, 480));
    EXPECT_EQ(find("blsBorda").penColor, 0xCC5B2Cu); // colour reference 2907084
    EXPECT_EQ(find("blsBorda").penWidth, 2);
    EXPECT_EQ(find("blsCod").cls, ControlClass::TBlendedShape);
    EXPECT_EQ(find("blsCod").bounds, QRect(4, 5, 569, 38));
    EXPECT_EQ(find("blsDesc").bounds, QRect(12, 47, 701, 150));
    EXPECT_EQ(find("blsDesc").penColor, 0x000000u);
    EXPECT_EQ(find("blsKeyBoard").bounds, QRect(5, 200, 717, 276));
    const ControlDesc &codigo = find("lblCodigo");
    EXPECT_EQ(QString::fromUtf8(codigo.caption), QStringLiteral("Código:"));
    EXPECT_EQ(codigo.font.pixelSize, 16);
    EXPECT_TRUE(codigo.font.bold);
    const ControlDesc &info = find("lblInformacao");
    EXPECT_EQ(QByteArray(info.font.family), "Tahoma");
    EXPECT_EQ(info.fontColor, 0x000080u);
    EXPECT_TRUE(info.autoSize);
    const ControlDesc &descr = find("lblDesc");
    EXPECT_EQ(descr.bounds, QRect(19, 56, 686, 125));
    EXPECT_EQ(descr.font.pixelSize, 13);
    EXPECT_TRUE(descr.wordWrap);
    EXPECT_FALSE(descr.autoSize);
}

class Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frm = std::make_unique<TfrmObservacaoMod>(call);
        frm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frm.get()));
    }
    dialog::CallState call;
    std::unique_ptr<TfrmObservacaoMod> frm;
};

TEST_F(Window, IsFramelessFixedAndBuiltInStackingOrder)
{
    EXPECT_TRUE(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(frm->size(), QSize(726, 480));
    EXPECT_EQ(frm->minimumSize(), frm->maximumSize());
    // The keys lie on one panel over the whole client area, above every shape and label:
    // stacked in the description's order, at the description's coordinates.
    QWidget *panel = frm->keyboard();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), frm.get());
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 726, 480));
    QStringList stacking;
    for (QObject *child : frm->children())
        if (auto *w = qobject_cast<QWidget *>(child))
            stacking << w->objectName();
    ASSERT_EQ(stacking.size(), 8);
    EXPECT_EQ(stacking.takeLast(), panel->objectName());
    for (QObject *child : panel->children())
        if (auto *w = qobject_cast<QWidget *>(child))
            stacking << w->objectName();
    ASSERT_EQ(stacking.size(), 52);
    int i = 0;
    for (const ControlDesc &d : dialog::windowControls()) {
        EXPECT_EQ(stacking.at(i), QString::fromUtf8(d.name));
        EXPECT_EQ(frm->control(QString::fromUtf8(d.name))->geometry().topLeft(), d.bounds.topLeft()) << d.name;
        ++i;
    }
    EXPECT_GT(stacking.indexOf(QStringLiteral("sbtPesquisa")), stacking.indexOf(QStringLiteral("blsCod")));
}

TEST_F(Window, NoControlTakesFocusAndEveryKeyHasAnAccessibleName)
{
    int keys = 0;
    for (QWidget *w : frm->findChildren<QWidget *>()) {
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        if (qobject_cast<host::TBlendedButton *>(w)) {
            ++keys;
            EXPECT_FALSE(w->accessibleName().trimmed().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(keys, 45);
    EXPECT_FALSE(frm->control(QStringLiteral("sbtEspaco"))->accessibleName().isEmpty());
}

TEST_F(Window, CodeFieldGrowsWithItsTextOnOneLine)
{
    QWidget *info = frm->lblInformacao;
    EXPECT_EQ(info->geometry(), QRect(100, 14, 5, info->height()));
    frm->lblInformacao->SetCaption(QStringLiteral("01 - Uma observação bem longa que passa da barra do código"));
    EXPECT_EQ(info->x(), 100);
    EXPECT_GT(info->x() + info->width(), 572); // runs under the search key
    EXPECT_LT(info->height(), 30); // never wraps
    EXPECT_EQ(frm->lblDesc->geometry(), QRect(19, 56, 686, 125));
}

TEST_F(Window, PicturePixelsMatchTheLayout)
{
    const QImage img = frm->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), QSize(726, 480));
    const auto at = [&](int x, int y) { return QColor(img.pixel(x, y)); };
    const QColor orange(204, 91, 44), white(255, 255, 255), black(0, 0, 0), grey(128, 128, 128);
    // The orange-brown frame of the whole window, two pixels wide, and the white field.
    for (QPoint p : {QPoint(0, 240), QPoint(1, 240), QPoint(725, 100), QPoint(724, 100), QPoint(300, 0),
                     QPoint(300, 479), QPoint(300, 478)})
        EXPECT_EQ(at(p.x(), p.y()), orange) << p.x() << "," << p.y();
    EXPECT_EQ(at(2, 240), white);
    EXPECT_EQ(at(400, 45), white); // between the code bar and the description box
    // The description box: black two-pixel frame around a white inside.
    for (QPoint p : {QPoint(12, 120), QPoint(13, 120), QPoint(712, 120), QPoint(300, 47), QPoint(300, 196)})
        EXPECT_EQ(at(p.x(), p.y()), black) << p.x() << "," << p.y();
    EXPECT_EQ(at(14, 120), white);
    EXPECT_EQ(at(600, 180), white);
    // Grey key faces where the bounds say, with the panel showing in the 1-pixel gaps.
    const auto face = [&](const char *name, int dx, int dy) {
        const QRect r = find(name).bounds;
        return at(r.x() + dx, r.y() + dy);
    };
    EXPECT_EQ(face("sbt1", 30, 8), grey);
    EXPECT_EQ(face("sbtEspaco", 150, 26), grey);
    EXPECT_EQ(face("sbtEnter", 45, 20), grey);
    EXPECT_EQ(face("sbtEnter", 45, 150), grey);
    const QColor gapColumn = at(73, 230); // between sbt1 (13..72) and sbt2 (74..133)
    const QColor gapRow = at(40, 256); // between row 1 (203..255) and row 2 (257..)
    EXPECT_NE(gapColumn, grey);
    EXPECT_NE(gapRow, grey);
    EXPECT_EQ(at(72, 230), grey);
    EXPECT_EQ(at(74, 230), grey);
    EXPECT_EQ(at(40, 255), grey);
    EXPECT_EQ(at(40, 257), grey);
    // The search key is drawn over the last columns of the code bar.
    EXPECT_EQ(face("sbtPesquisa", 1, 19), grey);
}

TEST_F(Window, PressedKeyShowsItsPressedFace)
{
    auto *key = qobject_cast<host::TBlendedButton *>(frm->control(QStringLiteral("sbt5")));
    ASSERT_NE(key, nullptr);
    key->setDown(true);
    const QImage down = frm->grab().toImage();
    key->setDown(false);
    const QRect r = find("sbt5").bounds;
    EXPECT_EQ(QColor(down.pixel(r.x() + 8, r.y() + 8)), QColor(0, 0, 0));
}

// The window scales as one piece with the device pixel ratio. Runs itself again with
// QT_SCALE_FACTOR=2, where the check below applies.
TEST(HighDensity, WindowDoublesAndNothingIsClipped)
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QStringLiteral("2")) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=HighDensity.*")});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
        return;
    }
    dialog::CallState call;
    TfrmObservacaoMod frm(call);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    EXPECT_EQ(frm.devicePixelRatio(), 2.0);
    const QImage img = frm.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), QSize(1452, 960));
    const auto at = [&](int x, int y) { return QColor(img.pixel(x, y)); };
    EXPECT_EQ(at(0, 480), QColor(204, 91, 44));
    EXPECT_EQ(at(3, 480), QColor(204, 91, 44));
    EXPECT_EQ(at(1451, 959), QColor(204, 91, 44));
    // The last key of the keyboard sits at double its position.
    const QRect confirm = find("spbConfirmar").bounds;
    EXPECT_EQ(at(2 * confirm.x() + 10, 2 * confirm.y() + 30), QColor(128, 128, 128));
    EXPECT_EQ(at(2 * (confirm.right()) - 10, 2 * confirm.y() + 30), QColor(128, 128, 128));
}

} // namespace
