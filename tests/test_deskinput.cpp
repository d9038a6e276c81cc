// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Input that real desktops deliver: touch screens (touch events and the mouse events
// Qt makes from them) on the on-screen keys, and text committed by input methods
// (dead keys, compose sequences) in the dialog and the search package's editor.
#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "host/controls/TBlendedButton.h"
#include "host/search/SearchLook.h"
#include "host/search/TfrmEditaTexto.h"
#include "host/search/TfrmPesquisa.h"
#include "platform/TLabel.h"
#include "support/DialogHarness.h"

#include <QInputMethodEvent>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using dialog::TfrmObservacaoMod;

namespace {

QPointingDevice *touchScreen()
{
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

void commit(QWidget &w, const QString &text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(&w, &e);
}

class ShownDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    QWidget *key(const char *name) const { return dlg.control(QString::fromLatin1(name)); }

    // A tap: touch down and up on the middle of a key.
    void tap(QWidget *k)
    {
        const QPoint at = k->mapTo(&dlg, k->rect().center());
        QTest::touchEvent(&dlg, touchScreen()).press(0, at, &dlg);
        QTest::touchEvent(&dlg, touchScreen()).release(0, at, &dlg);
        QCoreApplication::processEvents();
    }

    dialog::CallState call;
    TfrmObservacaoMod dlg {call};
};

} // namespace

TEST_F(ShownDialog, ATapClicksAKeyExactlyOnce)
{
    auto *one = qobject_cast<host::TBlendedButton *>(key("sbt1"));
    ASSERT_NE(one, nullptr);
    QSignalSpy clicks(one, &QAbstractButton::clicked);
    tap(one);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(code(dlg), QStringLiteral("1"));
    tap(key("sbtCCdil"));
    EXPECT_EQ(code(dlg), QStringLiteral("1Ç"));
    tap(key("spdBackSpace"));
    EXPECT_EQ(code(dlg), QStringLiteral("1"));
}

TEST_F(ShownDialog, ATouchThatSlidesOffAKeyDoesNotClick)
{
    QWidget *one = key("sbt1");
    QSignalSpy clicks(qobject_cast<QAbstractButton *>(one), &QAbstractButton::clicked);
    const QPoint on = one->mapTo(&dlg, one->rect().center());
    const QPoint off = on + QPoint(0, -150); // over the description field
    QTest::touchEvent(&dlg, touchScreen()).press(0, on, &dlg);
    QTest::touchEvent(&dlg, touchScreen()).move(0, on + QPoint(0, -40), &dlg);
    QTest::touchEvent(&dlg, touchScreen()).move(0, off, &dlg);
    QTest::touchEvent(&dlg, touchScreen()).release(0, off, &dlg);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(code(dlg), QString());
    // The key still works afterwards: nothing is left pressed.
    tap(one);
    EXPECT_EQ(code(dlg), QStringLiteral("1"));
}

TEST_F(ShownDialog, CommittedTextObeysTheRulesOfTypedKeys)
{
    ASSERT_TRUE(dlg.testAttribute(Qt::WA_InputMethodEnabled));
    commit(dlg, QStringLiteral("é")); // refused, as a typed é
    EXPECT_EQ(code(dlg), QString());
    commit(dlg, QStringLiteral("€")); // outside the accepted set, though in the code page
    commit(dlg, QStringLiteral("ą")); // outside the code page
    EXPECT_EQ(code(dlg), QString());
    commit(dlg, QStringLiteral("ç"));
    EXPECT_EQ(code(dlg), QStringLiteral("ç"));
    // Each committed character goes through the limit of two.
    commit(dlg, QStringLiteral("aé9"));
    EXPECT_EQ(code(dlg), QStringLiteral("ça"));
}

TEST(EditorInput, ComposedLettersAreEnteredLikeTypedOnes)
{
    host::TfrmEditaTexto editor(QStringLiteral("N"), host::SearchLook::fromRefs(0, 0, 0));
    ASSERT_TRUE(editor.testAttribute(Qt::WA_InputMethodEnabled));
    QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
    commit(editor, QStringLiteral("ã"));
    QTest::keyClick(&editor, Qt::Key_O, Qt::NoModifier);
    commit(editor, QStringLiteral(" é"));
    EXPECT_EQ(editor.text(), QStringLiteral("Não é"));
}

TEST(SearchInput, ComposedLettersFilterLikeTypedOnes)
{
    const std::unique_ptr<host::TClientDataSet> list = makeObservationList();
    host::TfrmPesquisa search(list.get(), host::SearchLook::fromRefs(0, 0, 0));
    ASSERT_TRUE(search.testAttribute(Qt::WA_InputMethodEnabled));
    QTest::keyClick(&search, Qt::Key_A, Qt::NoModifier);
    commit(search, QStringLiteral("çú"));
    EXPECT_EQ(search.searchText().toLower(), QStringLiteral("açú"));
}
