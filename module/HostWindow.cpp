// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "module/HostWindow.h"

#include "platform/X11Desktop.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace module {

namespace {

// A station with a touch screen and no keyboard has no active window on Wayland (a
// window becomes active with the keyboard's focus): the host's one visible main window
// stands in for it then.
QWidget *onlyVisibleWindow()
{
    QWidget *found = nullptr;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (!w->isVisible() || w->windowType() != Qt::Window)
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

} // namespace

HostWindow::HostWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        m_window = active->window();
    else
        m_window = onlyVisibleWindow();
}

void HostWindow::adopt(QWidget *dialog) const
{
    if (!m_window || !dialog || m_window == dialog)
        return;
    // Both native windows must exist for the tie; the dialog's is made now, before it is
    // shown, so that the window manager and compositor see its owner when it maps.
    m_window->winId();
    dialog->winId();
    if (QWindow *handle = dialog->windowHandle())
        handle->setTransientParent(m_window->windowHandle());
}

void HostWindow::giveKeyboardBack() const
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    // Without a window manager nobody else moves the X input focus back.
    platform::X11Desktop::focus(m_window);
}

} // namespace module
