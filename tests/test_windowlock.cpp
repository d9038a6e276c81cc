// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The window manager guard's rules that hold on any platform: which windows it covers,
// which one is the top window, a minimised window coming back; and where a window
// larger than its screen is put. The X server's part runs in the x11 suites.

#include "platform/Screen.h"
#include "platform/TForm.h"
#include "platform/WindowLock.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QScreen>
#include <gtest/gtest.h>

using platform::WindowLock;

namespace {

void settle()
{
    // Deferred steps run on the next turns of the loop.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

TEST(Screen, CentresAndKeepsAnOversizeWindowsTopLeftOnScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    QWidget small;
    small.resize(area.width() / 2, area.height() / 2);
    platform::Screen::centre(&small);
    EXPECT_EQ(small.geometry().center(), area.center());

    QWidget wide;
    wide.resize(area.width() + 300, area.height() / 2);
    platform::Screen::centre(&wide);
    EXPECT_EQ(wide.pos(), QPoint(area.left(), area.top() + area.height() / 4));

    // At twice the scale a 726x480 window does not fit 800x600: it starts at the corner.
    QWidget big;
    big.resize(area.width() + 652, area.height() + 360);
    platform::Screen::centre(&big);
    EXPECT_EQ(big.pos(), area.topLeft());
}

TEST(WindowLock, OncePerWindowAndCoveringOnlyWindowsShownAboveWhileItIsUp)
{
    QDialog base;
    WindowLock *lock = WindowLock::attach(&base);
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(WindowLock::attach(&base), lock);
    EXPECT_EQ(WindowLock::of(&base), lock);
    lock->coverWindowsAbove();

    QDialog before(&base);
    before.show(); // base not up yet
    EXPECT_EQ(WindowLock::of(&before), nullptr);
    before.hide();

    base.show();
    QDialog above(&base);
    above.show();
    EXPECT_NE(WindowLock::of(&above), nullptr);
    QWidget hostWindow; // a window of the host's own, not owned by the dialog
    hostWindow.show();
    EXPECT_NE(WindowLock::of(&hostWindow), nullptr);
    QMenu popup(&base); // comes and goes with its owner's input
    popup.addAction(QStringLiteral("x"));
    popup.popup(QPoint(10, 10));
    EXPECT_EQ(WindowLock::of(&popup), nullptr);
    popup.close();

    base.hide();
    QDialog after;
    after.show();
    EXPECT_EQ(WindowLock::of(&after), nullptr);
}

TEST(WindowLock, TheCallsWindowsAreLocked)
{
    platform::TForm form;
    EXPECT_NE(WindowLock::of(&form), nullptr);
}

TEST(WindowLock, TheTopWindowIsTheOneNoModalWindowStandsAbove)
{
    QDialog base;
    WindowLock *baseLock = WindowLock::attach(&base);
    EXPECT_FALSE(baseLock->isTopWindow()); // not shown
    base.show();
    EXPECT_TRUE(baseLock->isTopWindow());

    QDialog modal(&base);
    modal.setModal(true);
    WindowLock *modalLock = WindowLock::attach(&modal);
    modal.show();
    EXPECT_FALSE(baseLock->isTopWindow());
    EXPECT_TRUE(modalLock->isTopWindow());

    // A window the modal one owns is not blocked by it.
    QDialog owned(&modal);
    WindowLock *ownedLock = WindowLock::attach(&owned);
    owned.show();
    EXPECT_TRUE(ownedLock->isTopWindow());

    modal.hide();
    EXPECT_TRUE(baseLock->isTopWindow());
    EXPECT_FALSE(modalLock->isTopWindow());
}

TEST(WindowLock, AMinimisedWindowIsShownAgain)
{
    QDialog locked;
    WindowLock::attach(&locked);
    locked.show();
    locked.setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_TRUE(locked.isVisible());
    EXPECT_FALSE(locked.windowState() & Qt::WindowMinimized);

    QDialog free; // the same without a lock stays minimised
    free.show();
    free.setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_TRUE(free.windowState() & Qt::WindowMinimized);
}

} // namespace
