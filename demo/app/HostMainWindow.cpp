// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/app/HostMainWindow.h"

#include "platform/X11Desktop.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace demo {

namespace {

// How long the window may take to be mapped and to get the keyboard from the window
// manager or compositor.
constexpr int kShowLimitMs = 2000;

// Runs the event loop until done() holds or limitMs has passed.
bool waitFor(const std::function<bool()> &done, int limitMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start();
    bound.start(limitMs);
    loop.exec();
    return done();
}

} // namespace

HostMainWindow::HostMainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("hostMainWindow"));
    setWindowTitle(QStringLiteral("Ponto de venda"));
    auto *label = new QLabel(QStringLiteral("observacao-host"), this);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Background));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    setCentralWidget(label);
}

bool HostMainWindow::present()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    // Focus can go only to a window the server (or compositor) has mapped.
    waitFor([this] { return windowHandle() && windowHandle()->isExposed(); }, kShowLimitMs);
    activateWindow();
    // Without a window manager nobody else gives a new window the X input focus.
    platform::X11Desktop::focus(this);
    return waitUntilActive(kShowLimitMs);
}

bool HostMainWindow::waitUntilActive(int limitMs)
{
    return waitFor([this] { return isActiveWindow(); }, limitMs);
}

} // namespace demo
