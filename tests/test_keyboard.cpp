// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The on-screen keyboard: keys from a layout table on grid cells or fixed rectangles,
// one report per press, the case of the letters, the panel's font.
#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "dialog/WindowDescription.h"
#include "host/controls/TBlendedButton.h"
#include "host/controls/TTecladoTela.h"
#include "host/services/Mensagem.h"
#include "platform/Exception.h"
#include "platform/TLabel.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

using host::KeyDesc;
using host::TBlendedButton;
using host::TTecladoTela;

constexpr KeyDesc fixed(const char *name, QRect bounds, int id)
{
    KeyDesc d;
    d.name = name;
    d.caption = name;
    d.bounds = bounds;
    d.command = id;
    return d;
}

// Five columns, three rows; spans of 2 and 3 on the last row.
constexpr KeyDesc kGrid[] = {
    KeyDesc::characterRun(u"12345", 0, 0),
    KeyDesc::characterRun(u"QWÇ", 1, 0),
    KeyDesc::gridCommand("btnApaga", "Apaga", 7, {1, 3, 2}),
    KeyDesc::gridCommand("btnSair", "Sair", 8, {2, 0, 2}),
    KeyDesc::gridCommand("btnOk", "Ok", 9, {2, 2, 3}),
};

TBlendedButton *keyAt(TTecladoTela &k, const char *name)
{
    TBlendedButton *key = k.key(QString::fromLatin1(name));
    if (!key)
        throw std::logic_error(std::string("no key ") + name); // fails the test
    return key;
}

// Every row and column of cells meets the panel's edges and keeps the 2-pixel gap, and
// cells differ in size by one pixel at most, at sizes that do not divide evenly.
TEST(Keyboard, GridCellsFillThePanelWithEvenGapsAndNoRaggedMargin)
{
    TTecladoTela k(5, 3);
    k.addKeys(kGrid);
    ASSERT_EQ(k.keys().size(), 11);
    k.show(); // like Qt's layouts, a hidden keyboard lays its keys out when shown
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
    for (const QSize size : {QSize(500, 150), QSize(706, 204), QSize(331, 97)}) {
        k.resize(size);
        const auto rect = [&](const char *name) { return keyAt(k, name)->geometry(); };
        const char *top[] = {"btnTecla49", "btnTecla50", "btnTecla51", "btnTecla52", "btnTecla53"};
        EXPECT_EQ(rect(top[0]).topLeft(), QPoint(0, 0)) << size.width();
        EXPECT_EQ(rect(top[4]).right(), size.width() - 1) << size.width();
        int narrowest = size.width(), widest = 0;
        for (int i = 0; i < 5; ++i) {
            narrowest = qMin(narrowest, rect(top[i]).width());
            widest = qMax(widest, rect(top[i]).width());
            if (i > 0) {
                EXPECT_EQ(rect(top[i]).left() - rect(top[i - 1]).right() - 1, TTecladoTela::Gap) << size.width();
            }
        }
        EXPECT_LE(widest - narrowest, 1) << size.width();
        // Rows: the same edges and gap downwards.
        EXPECT_EQ(rect("btnTecla81").top() - rect(top[0]).bottom() - 1, TTecladoTela::Gap);
        EXPECT_EQ(rect("btnSair").top() - rect("btnTecla81").bottom() - 1, TTecladoTela::Gap);
        EXPECT_EQ(rect("btnOk").bottom(), size.height() - 1) << size.height();
        EXPECT_EQ(rect("btnOk").right(), size.width() - 1);
        // A span covers its cells and the gaps between them.
        EXPECT_EQ(rect("btnSair").left(), 0);
        EXPECT_EQ(rect("btnSair").right(), rect(top[1]).right());
        EXPECT_EQ(rect("btnOk").left(), rect(top[2]).left());
        EXPECT_EQ(rect("btnApaga").left(), rect(top[3]).left());
        EXPECT_EQ(rect("btnApaga").right(), rect(top[4]).right());
    }
}

// Counts the presses that reach a window, handed on from whatever lay under the pointer.
class PressCounter : public QObject
{
public:
    int presses = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

// Fixed rectangles stay where the table puts them; a key takes its own presses, and one
// beside the keys goes on to the window, as if there were no panel.
TEST(Keyboard, FixedKeysKeepTheirRectanglesAndPressesBesideThemReachTheWindow)
{
    QWidget window;
    window.resize(300, 200);
    auto *k = new TTecladoTela(&window);
    k->setGeometry(0, 0, 300, 200);
    const KeyDesc keys[] = {fixed("a", QRect(10, 20, 60, 53), 1), fixed("b", QRect(200, 120, 90, 70), 2)};
    k->addKeys(keys);
    k->resize(280, 190); // resizing moves no fixed key
    EXPECT_EQ(keyAt(*k, "a")->geometry(), QRect(10, 20, 60, 53));
    EXPECT_EQ(keyAt(*k, "b")->geometry(), QRect(200, 120, 90, 70));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.childAt(QPoint(40, 40)), keyAt(*k, "a"));
    EXPECT_EQ(window.childAt(QPoint(279, 189)), keyAt(*k, "b"));

    PressCounter counter;
    window.installEventFilter(&counter);
    QSignalSpy commands(k, &TTecladoTela::commandClicked);
    QTest::mouseClick(keyAt(*k, "a"), Qt::LeftButton);
    EXPECT_EQ(commands.count(), 1);
    EXPECT_EQ(counter.presses, 0);
    for (const QPoint p : {QPoint(150, 100), QPoint(9, 20)}) {
        QWidget *hit = window.childAt(p);
        ASSERT_NE(hit, nullptr);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window, p));
    }
    EXPECT_EQ(counter.presses, 2);
    EXPECT_EQ(commands.count(), 1);
}

TEST(Keyboard, EachPressIsReportedOnceWithItsCommandOrCharacter)
{
    TTecladoTela k(5, 3);
    k.resize(500, 150);
    k.addKeys(kGrid);
    KeyDesc silent = KeyDesc::gridCommand("btnNada", "Nada", KeyDesc::NoCommand, {2, 0});
    silent.bounds = QRect(0, 0, 10, 10);
    k.addKey(silent);
    k.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
    QSignalSpy commands(&k, &TTecladoTela::commandClicked);
    QSignalSpy typed(&k, &TTecladoTela::characterTyped);

    QTest::mouseClick(keyAt(k, "btnOk"), Qt::LeftButton);
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 9);
    EXPECT_EQ(commands.at(0).at(1).value<QAbstractButton *>(), keyAt(k, "btnOk"));
    EXPECT_EQ(typed.size(), 0);

    QTest::mouseClick(keyAt(k, "btnTecla81"), Qt::LeftButton); // Q
    QTest::mouseClick(keyAt(k, "btnTecla199"), Qt::LeftButton); // Ç
    QTest::mouseClick(keyAt(k, "btnTecla51"), Qt::LeftButton); // 3
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed.at(0).at(0).value<QChar>(), QChar(u'Q'));
    EXPECT_EQ(typed.at(1).at(0).value<QChar>(), QChar(u'Ç'));
    EXPECT_EQ(typed.at(2).at(0).value<QChar>(), QChar(u'3'));
    EXPECT_EQ(commands.size(), 1);

    // A key without a command reports nothing; a character key's tag is its code.
    QTest::mouseClick(keyAt(k, "btnNada"), Qt::LeftButton);
    EXPECT_EQ(commands.size() + typed.size(), 4);
    EXPECT_EQ(keyAt(k, "btnTecla199")->Tag(), 199);
    EXPECT_EQ(k.group()->buttons().size(), 11);
}

TEST(Keyboard, LettersFollowTheCaseOnCaptionNameAndTyping)
{
    TTecladoTela k(5, 3);
    k.resize(500, 150);
    k.addKeys(kGrid);
    k.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
    QSignalSpy typed(&k, &TTecladoTela::characterTyped);
    k.setUpperCase(false);
    EXPECT_EQ(keyAt(k, "btnTecla81")->text(), QStringLiteral("q"));
    EXPECT_EQ(keyAt(k, "btnTecla199")->accessibleName(), QStringLiteral("ç"));
    EXPECT_EQ(keyAt(k, "btnTecla49")->text(), QStringLiteral("1"));
    EXPECT_EQ(keyAt(k, "btnSair")->text(), QStringLiteral("Sair")); // commands keep theirs
    QTest::mouseClick(keyAt(k, "btnTecla87"), Qt::LeftButton);
    k.setUpperCase(true);
    QTest::mouseClick(keyAt(k, "btnTecla87"), Qt::LeftButton);
    ASSERT_EQ(typed.size(), 2);
    EXPECT_EQ(typed.at(0).at(0).value<QChar>(), QChar(u'w'));
    EXPECT_EQ(typed.at(1).at(0).value<QChar>(), QChar(u'W'));
    EXPECT_EQ(keyAt(k, "btnTecla199")->text(), QStringLiteral("Ç"));
}

// Keys without a font of their own take the panel's, and follow it when it changes.
TEST(Keyboard, KeysInheritThePanelFontUnlessTheTableGivesOne)
{
    TTecladoTela k(5, 3);
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(22);
    k.setFont(panelFont);
    KeyDesc own = KeyDesc::gridCommand("btnProprio", "Próprio", 3, {2, 0});
    own.font = {"Arial", 17, true};
    k.addKeys(kGrid);
    k.addKey(own);
    for (const char *name : {"btnTecla49", "btnTecla199", "btnSair"}) {
        EXPECT_FALSE(keyAt(k, name)->testAttribute(Qt::WA_SetFont)) << name;
        EXPECT_EQ(keyAt(k, name)->font().pixelSize(), 22) << name;
    }
    TBlendedButton *ownKey = keyAt(k, "btnProprio");
    EXPECT_TRUE(ownKey->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(ownKey->font().pixelSize(), 17);
    EXPECT_TRUE(ownKey->font().bold());
    EXPECT_EQ(ownKey->text(), QStringLiteral("Próprio")); // captions are UTF-8
    panelFont.setPixelSize(30);
    k.setFont(panelFont);
    EXPECT_EQ(keyAt(k, "btnOk")->font().pixelSize(), 30);
    EXPECT_EQ(ownKey->font().pixelSize(), 17);
}

TEST(Keyboard, AnErrorInACommandIsShownAndGoesNoFurther)
{
    QStringList reported;
    host::SetMensagemHandler([&](const host::MensagemArgs &args) { reported << args.texto; });
    TTecladoTela k(5, 3);
    k.resize(500, 150);
    k.addKeys(kGrid);
    k.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
    QObject::connect(&k, &TTecladoTela::commandClicked, &k,
                     [](int) { throw platform::EInvalidOperation(QStringLiteral("comando falhou")); });
    QObject::connect(&k, &TTecladoTela::characterTyped, &k,
                     [](QChar) { throw platform::EInvalidOperation(QStringLiteral("tecla falhou")); });
    QTest::mouseClick(keyAt(k, "btnOk"), Qt::LeftButton);
    QTest::mouseClick(keyAt(k, "btnTecla50"), Qt::LeftButton);
    host::SetMensagemHandler({});
    ASSERT_EQ(reported.size(), 2);
    EXPECT_TRUE(reported.at(0).contains(QStringLiteral("comando falhou")));
    EXPECT_TRUE(reported.at(1).contains(QStringLiteral("tecla falhou")));
}

// The observation window's keys sit on its panel: each key's centre hits it, and a press
// anywhere else on the window reaches the window and types nothing.
TEST(Keyboard, TheWindowsKeysSitOnItsPanelAndOtherPressesReachTheWindow)
{
    dialog::CallState call;
    dialog::TfrmObservacaoMod frm(call);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    int keys = 0;
    for (const dialog::ControlDesc &d : dialog::windowControls()) {
        QWidget *w = frm.control(QString::fromUtf8(d.name));
        if (!qobject_cast<TBlendedButton *>(w))
            continue;
        ++keys;
        EXPECT_EQ(w->parentWidget(), frm.keyboard()) << d.name;
        EXPECT_EQ(frm.childAt(d.bounds.center()), w) << d.name;
        EXPECT_EQ(frm.findChild<TBlendedButton *>(QString::fromUtf8(d.name)), w) << d.name;
    }
    EXPECT_EQ(keys, 45);
    // The description box, the code bar, the frame, the keyboard's margin.
    PressCounter counter;
    frm.installEventFilter(&counter);
    const QList<QPoint> elsewhere {QPoint(300, 100), QPoint(300, 20), QPoint(1, 1), QPoint(8, 300)};
    for (const QPoint p : elsewhere) {
        QWidget *hit = frm.childAt(p);
        ASSERT_NE(hit, nullptr) << p.x() << "," << p.y();
        EXPECT_FALSE(qobject_cast<TBlendedButton *>(hit)) << p.x() << "," << p.y();
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&frm, p));
    }
    EXPECT_EQ(counter.presses, elsewhere.size());
    EXPECT_EQ(frm.lblInformacao->Caption(), QString());
}

} // namespace
