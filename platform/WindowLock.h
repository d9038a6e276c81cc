// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace platform {

// Keeps one top-level window of a call with the operator, under any window manager or
// none: no frame and no manager function (move, minimise, close), on every desktop,
// the keyboard held while it is the top window that takes keys and released for a
// window above it, and the focus taken back once that window has gone. A window the
// manager minimised anyway is shown again. Outside xcb only the last holds.
class OBSHOST_EXPORT WindowLock : public QObject
{
    Q_OBJECT

public:
    // Locks window (once; a second call returns the same lock) for its lifetime.
    static WindowLock *attach(QWidget *window);
    // The lock of window, if it has one.
    static WindowLock *of(const QWidget *window);

    // Locks, too, every other window shown while this one is visible (the windows a
    // call opens above it: messages, searches, a host's own dialogs).
    void coverWindowsAbove();

    // Whether this window is visible with no modal window standing above it.
    bool isTopWindow() const;
    bool keyboardHeld() const;
    // Lets the keyboard go now, if this window holds it.
    void releaseKeyboard();

    ~WindowLock() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowLock(QWidget *window);

    void onWindowEvent(QEvent *event);
    void onOtherWindowShown(QWidget *other);
    void reclaim();
    void restoreIfMinimised();
    void hold(bool hold);

    QWidget *m_window;
    bool m_coverAbove = false;
    bool m_watching = false;
    // The one window of the application that holds the server's keyboard.
    static QPointer<QWidget> s_holder;
};

} // namespace platform
