// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <optional>

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

namespace {

// The area of the window this one is shown over, when that window is on screen.
std::optional<QRect> ownerArea(const QWidget *window)
{
    if (const QWidget *parent = window->parentWidget()) {
        const QWidget *owner = parent->window();
        if (owner->isVisible())
            return owner->frameGeometry();
    }
    if (const QWindow *handle = window->windowHandle())
        if (const QWindow *owner = handle->transientParent(); owner && owner->isVisible())
            return owner->frameGeometry();
    return std::nullopt;
}

} // namespace

void centre(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    QRect frame = window->frameGeometry();
    const std::optional<QRect> owner = ownerArea(window);
    frame.moveCenter(owner ? owner->center() : area.center());
    // A window larger than the screen keeps its top-left corner on it: its title, its
    // first keys and its first fields stay within reach; what hangs off is its far side.
    window->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

} // namespace platform::Screen
