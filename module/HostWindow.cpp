// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "module/HostWindow.h"

#include "platform/X11Desktop.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace module {

HostWindow::HostWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        m_window = active->window();
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
