// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "demo/driver/ScriptStep.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

namespace demo {

// Delivers script steps, one at a time and in order, to the window that is active when
// each is due, as a person at the station would. A step that opens a modal window
// returns only when that window closes, so the steps run from the event loop: the next
// step is posted before the current one is delivered and is held back until that
// delivery has returned or has opened a window of its own, which then receives it.
// A held-back step is looked at again only when something it waits for happens: the
// delivery before it returns, or a window is shown, hidden, activated or deactivated.
class ScriptDriver : public QObject
{
    Q_OBJECT

public:
    explicit ScriptDriver(QList<ScriptStep> steps, QObject *parent = nullptr);
    ~ScriptDriver() override;

    // Posts the first step; the rest follow from whatever event loop runs.
    void start();
    // Delivers nothing more.
    void stop();

    bool isFinished() const { return m_finished; }
    bool hasFailed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    // Steps not delivered, and the token of the first of them.
    int remainingSteps() const { return int(m_steps.size()) - m_next; }
    QString nextToken() const;

    // The window a step goes to: the active modal window, else the active window.
    static QWidget *targetWindow();
    // A window as messages name it: its object name (or class) and its title.
    static QString describe(const QWidget *window);

signals:
    // Every step has been delivered; windows may still be open.
    void finished();
    // A step could not be delivered; nothing more will be.
    void failed(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void post();
    void runNext();
    // Holds the next step until a window changes or the running delivery returns.
    void wait();
    void stopWaiting();
    QString deliver(const ScriptStep &step, QWidget *window);
    void fail(const QString &message);

    QList<ScriptStep> m_steps;
    int m_next = 0;
    bool m_posted = false;
    bool m_waiting = false;
    bool m_stopped = false;
    bool m_finished = false;
    QString m_error;
    // For each delivery still running (innermost last): the modal window that was
    // active when it began. A step waits while that is still the active one.
    QList<QPointer<QWidget>> m_running;
    // Windows that have received steps, and a newly shown one waiting to become active
    // before it receives anything; a window never activated (no window manager to do
    // it) is given the step once m_settleBound runs out.
    QList<QPointer<QWidget>> m_known;
    QPointer<QWidget> m_settling;
    bool m_settleExpired = false;
    QTimer m_settleBound;
};

} // namespace demo
