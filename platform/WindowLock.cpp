// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/WindowLock.h"

#include "platform/WaylandShortcuts.h"
#include "platform/X11Desktop.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

QPointer<QWidget> WindowLock::s_holder;

namespace {

// Windows a manager frames and offers functions for; popups, tool tips and the like
// come and go with their owner's input and are left alone.
bool isManagedWindow(const QWidget *w)
{
    if (!w->isWindow() || w->testAttribute(Qt::WA_DontShowOnScreen))
        return false;
    if (w->windowFlags().testFlag(Qt::X11BypassWindowManagerHint))
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
}

} // namespace

WindowLock::WindowLock(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("WindowLock"));
    window->installEventFilter(this);
    // A window above that closes without a modal show of its own (a host's window)
    // can leave the focus nowhere, above all without a window manager.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *now) {
        if (!now && isTopWindow())
            QTimer::singleShot(0, this, &WindowLock::reclaim);
    });
}

WindowLock::~WindowLock()
{
    hold(false);
}

WindowLock *WindowLock::of(const QWidget *window)
{
    return window ? window->findChild<WindowLock *>(QStringLiteral("WindowLock"), Qt::FindDirectChildrenOnly) : nullptr;
}

WindowLock *WindowLock::attach(QWidget *window)
{
    if (!window)
        return nullptr;
    if (WindowLock *lock = of(window))
        return lock;
    return new WindowLock(window);
}

void WindowLock::coverWindowsAbove()
{
    m_coverAbove = true;
    if (m_window->isVisible() && !m_watching) {
        qApp->installEventFilter(this);
        m_watching = true;
    }
}

bool WindowLock::isTopWindow() const
{
    if (!m_window->isVisible())
        return false;
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_window)
        return true;
    // Not blocked: a window that the top modal window owns.
    for (const QWidget *w = m_window->parentWidget(); w; w = w->parentWidget()) {
        if (w == modal)
            return true;
    }
    return false;
}

bool WindowLock::keyboardHeld() const
{
    return s_holder == m_window;
}

void WindowLock::releaseKeyboard()
{
    hold(false);
}

bool WindowLock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window)
        onWindowEvent(event);
    else if (m_watching && event->type() == QEvent::Show && watched->isWidgetType())
        onOtherWindowShown(static_cast<QWidget *>(watched));
    return false;
}

void WindowLock::onWindowEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The native window exists but is not mapped yet: the window manager reads the
        // functions it may offer and the desktops when it maps it.
        X11Desktop::lockWindowFunctions(m_window);
        if (m_coverAbove && !m_watching) {
            qApp->installEventFilter(this);
            m_watching = true;
        }
        break;
    case QEvent::Hide:
        hold(false);
        if (m_watching) {
            qApp->removeEventFilter(this);
            m_watching = false;
        }
        break;
    case QEvent::WindowActivate:
        if (isTopWindow())
            hold(true);
        X11Desktop::keepOnEveryDesktop(m_window);
        break;
    // A window shown above takes the keyboard; the grab would starve it.
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
        hold(false);
        break;
    case QEvent::WindowUnblocked:
        QTimer::singleShot(0, this, &WindowLock::reclaim);
        break;
    case QEvent::WindowStateChange:
        if (m_window->windowState() & Qt::WindowMinimized)
            QTimer::singleShot(0, this, &WindowLock::restoreIfMinimised);
        break;
    default:
        break;
    }
}

void WindowLock::onOtherWindowShown(QWidget *other)
{
    if (other == m_window || !isManagedWindow(other) || of(other))
        return;
    WindowLock::attach(other);
    // Its lock came too late for this show; the window is still unmapped.
    X11Desktop::lockWindowFunctions(other);
}

void WindowLock::reclaim()
{
    if (!isTopWindow())
        return;
    m_window->activateWindow();
    X11Desktop::focus(m_window);
    // Managers that move a window's owners along with it (metacity) may have taken the
    // windows below off the other desktops.
    for (QWidget *w = m_window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (of(w))
            X11Desktop::keepOnEveryDesktop(w);
    }
    hold(true);
}

void WindowLock::restoreIfMinimised()
{
    if (!m_window->isVisible() || !(m_window->windowState() & Qt::WindowMinimized))
        return;
    // No window of a call may be left where the operator cannot reach it: minimised, or
    // left on a desktop of its own (a manager shows those as minimised).
    X11Desktop::keepOnEveryDesktop(m_window);
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    reclaim();
}

void WindowLock::hold(bool hold)
{
    if (hold) {
        // X11 holds the keyboard itself; a Wayland compositor is asked to keep its
        // bindings off instead.
        if (X11Desktop::grabKeyboard(m_window) || WaylandShortcuts::inhibit(m_window))
            s_holder = m_window;
        else if (s_holder == m_window)
            s_holder = nullptr;
    } else if (s_holder == m_window) {
        X11Desktop::releaseKeyboard();
        WaylandShortcuts::release();
        s_holder = nullptr;
    }
}

} // namespace platform
