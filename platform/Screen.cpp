// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform::Screen {

namespace {
int g_shape = crDefault;
int g_pushed = 0; // override cursors we pushed and must pop
} // namespace

void setCursor(int shape)
{
    if (shape == g_shape)
        return;
    g_shape = shape;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    while (g_pushed > 0) {
        QGuiApplication::restoreOverrideCursor();
        --g_pushed;
    }
    if (shape == crHourGlass) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++g_pushed;
    }
}

int cursor()
{
    return g_shape;
}

DefaultPointer::DefaultPointer()
    : m_saved(g_shape)
{
    setCursor(crDefault);
}

DefaultPointer::~DefaultPointer()
{
    setCursor(m_saved);
}

void centre(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    // A window larger than the screen keeps its top-left corner on it: its title, its
    // first keys and its first fields stay within reach; what hangs off is its far side.
    window->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

} // namespace platform::Screen
