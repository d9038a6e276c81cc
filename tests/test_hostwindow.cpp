// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The call made over the host's own window: the dialog belongs to that window, is centred
// over it, its message box is centred over the dialog, and the host window has the
// keyboard again once the call is over.
#include "support/DialogTest.h"

#include "host/services/Mensagem.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using dialog::TfrmObservacaoMod;

namespace {

class HostWindow : public DialogTest
{
protected:
    void SetUp() override
    {
        // Off the screen's centre, so that centring over it and on the screen differ.
        host = new QMainWindow;
        host->setGeometry(40, 30, 900, 700);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(waitActive(host));
    }
    void TearDown() override { delete host; }

    static bool waitActive(QWidget *w)
    {
        for (int i = 0; i < 100 && !w->isActiveWindow(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return w->isActiveWindow();
    }

    QPointer<QMainWindow> host;
};

TEST_F(HostWindow, DialogBelongsToTheActiveHostWindowAndIsCentredOverIt)
{
    QWindow *owner = nullptr;
    QWidget *widgetParent = host; // must become null: no widget parent
    QPoint centre;
    const QVariant r = run([&](TfrmObservacaoMod &f) {
        owner = f.windowHandle() ? f.windowHandle()->transientParent() : nullptr;
        widgetParent = f.parentWidget();
        centre = f.frameGeometry().center();
        f.sbtSair->click();
    });
    EXPECT_EQ(owner, host->windowHandle());
    EXPECT_EQ(widgetParent, nullptr);
    EXPECT_EQ(centre, host->frameGeometry().center());
    EXPECT_NE(centre, host->screen()->geometry().center());
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
    // The keyboard is back with the host when the call has returned.
    EXPECT_TRUE(waitActive(host));
    EXPECT_EQ(QApplication::activeWindow(), host.data());
}

TEST_F(HostWindow, MessageBoxOfTheCallIsCentredOverTheDialogAndBelongsToIt)
{
    bool overDialog = false;
    QPoint boxCentre, dialogCentre;
    run([&](TfrmObservacaoMod &f) {
        dialogCentre = f.frameGeometry().center();
        QTimer::singleShot(0, &f, [&] {
            if (QWidget *box = QApplication::activeModalWidget(); box && box != &f) {
                overDialog = box->parentWidget() == &f;
                boxCentre = box->frameGeometry().center();
                box->close();
            }
        });
        host::MensagemPadrao({QStringLiteral("Aviso"), {}, {}, {}, host::tmInformacao, {}, {}, 0, nullptr});
        f.sbtSair->click();
    });
    EXPECT_TRUE(overDialog);
    EXPECT_EQ(boxCentre, dialogCentre);
}

TEST_F(HostWindow, HostWindowClosedDuringTheCallLeavesTheCallWhole)
{
    const QVariant r = run([&](TfrmObservacaoMod &f) {
        delete host;
        f.sbtSair->click();
    });
    EXPECT_TRUE(host.isNull());
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
}

// A touch station on Wayland has no keyboard, so no window is ever active: the host's one
// visible main window is taken; with two, neither is guessed at.
TEST_F(HostWindow, WithoutAnActiveWindowTheOnlyVisibleMainWindowIsTheOwner)
{
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    QWindow *owner = nullptr;
    run([&](TfrmObservacaoMod &f) {
        owner = f.windowHandle() ? f.windowHandle()->transientParent() : nullptr;
        f.sbtSair->click();
    });
    EXPECT_EQ(owner, host->windowHandle());

    QMainWindow second;
    second.setGeometry(500, 400, 300, 200);
    second.show();
    QApplication::setActiveWindow(nullptr);
    owner = host->windowHandle();
    run([&](TfrmObservacaoMod &f) {
        owner = f.windowHandle() ? f.windowHandle()->transientParent() : nullptr;
        f.sbtSair->click();
    });
    EXPECT_EQ(owner, nullptr);
}

TEST_F(HostWindow, WithoutAnActiveWindowTheDialogStandsAloneOnTheScreensCentre)
{
    host->hide();
    QWindow *owner = host->windowHandle();
    QPoint centre;
    QRect screen;
    run([&](TfrmObservacaoMod &f) {
        owner = f.windowHandle() ? f.windowHandle()->transientParent() : nullptr;
        centre = f.frameGeometry().center();
        screen = f.screen()->geometry();
        f.sbtSair->click();
    });
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(centre, screen.center());
}

} // namespace
