// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/driver/ScriptDriver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace demo {

namespace {

// How long a newly shown window may take to become active before it gets a step
// anyway (its focus widget is settled on activation). Only a window that is never
// activated, as on X11 without a window manager, waits this long.
constexpr int kSettleMs = 250;

QString sendKey(const ScriptStep &step, QWidget *window)
{
    // Keys reach the focus widget, and go up to the window when it ignores them.
    QWidget *receiver = QApplication::focusWidget();
    if (!receiver || receiver->window() != window)
        receiver = window->focusWidget();
    if (!receiver)
        receiver = window;
    QPointer<QWidget> guard(receiver);
    QKeyEvent press(QEvent::KeyPress, step.qtKey, step.modifiers, step.text);
    QApplication::sendEvent(receiver, &press);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, step.qtKey, step.modifiers, step.text);
        QApplication::sendEvent(guard, &release);
    }
    return {};
}

QString tap(const ScriptStep &step, QWidget *window)
{
    const QString &name = step.argument;
    QWidget *control = window->objectName() == name ? window : window->findChild<QWidget *>(name);
    if (!control)
        return QStringLiteral("no control named \"%1\" in window %2").arg(name, ScriptDriver::describe(window));
    if (!control->isVisible())
        return QStringLiteral("control \"%1\" in window %2 is not visible").arg(name, ScriptDriver::describe(window));

    const QPointF local = QRectF(control->rect()).center();
    const QPointF scene = control->mapTo(control->window(), local);
    const QPointF global = control->mapToGlobal(local);
    QPointer<QWidget> guard(control);
    QMouseEvent press(QEvent::MouseButtonPress, local, scene, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    if (guard) {
        QMouseEvent release(QEvent::MouseButtonRelease, local, scene, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(guard, &release);
    }
    return {};
}

QString shoot(const ScriptStep &step, QWidget *window)
{
    if (!window->grab().save(step.argument))
        return QStringLiteral("cannot save a picture of window %1 to \"%2\"")
            .arg(ScriptDriver::describe(window), step.argument);
    return {};
}

} // namespace

ScriptDriver::ScriptDriver(QList<ScriptStep> steps, QObject *parent)
    : QObject(parent)
    , m_steps(std::move(steps))
{
    m_settleBound.setSingleShot(true);
    m_settleBound.setInterval(kSettleMs);
    connect(&m_settleBound, &QTimer::timeout, this, [this] {
        m_settleExpired = true;
        post();
    });
}

ScriptDriver::~ScriptDriver()
{
    stopWaiting();
}

void ScriptDriver::start()
{
    m_stopped = false;
    post();
}

void ScriptDriver::stop()
{
    m_stopped = true;
    stopWaiting();
}

QString ScriptDriver::nextToken() const
{
    return m_next < m_steps.size() ? m_steps.at(m_next).token : QString();
}

QWidget *ScriptDriver::targetWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString ScriptDriver::describe(const QWidget *window)
{
    if (!window)
        return QStringLiteral("(none)");
    const QString name = window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                        : window->objectName();
    return QStringLiteral("\"%1\" (\"%2\")").arg(name, window->windowTitle());
}

void ScriptDriver::post()
{
    if (m_posted)
        return;
    m_posted = true;
    // Queued, so that the step runs from the event loop of whatever window is open then.
    // The call's slot object belongs to Qt once posted.
    QMetaObject::invokeMethod(this, &ScriptDriver::runNext, Qt::QueuedConnection);
}

void ScriptDriver::wait()
{
    if (m_waiting)
        return;
    m_waiting = true;
    // Only while a step waits: every event of the application passes the filter.
    QCoreApplication::instance()->installEventFilter(this);
}

void ScriptDriver::stopWaiting()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool ScriptDriver::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        // Looked at once the event has been handled: the window's state is settled then.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            post();
        break;
    default:
        break;
    }
    return false;
}

void ScriptDriver::runNext()
{
    m_posted = false;
    if (m_stopped || m_finished) {
        stopWaiting();
        return;
    }

    // An earlier step is still being handled and has opened no window since it began:
    // this one is due once that delivery returns or a window of its own comes up.
    QWidget *modal = QApplication::activeModalWidget();
    if (!m_running.isEmpty() && m_running.last() == modal) {
        wait();
        return;
    }
    if (m_next >= m_steps.size()) {
        stopWaiting();
        m_finished = true;
        emit finished();
        return;
    }
    QWidget *window = targetWindow();
    if (!window) {
        wait();
        return;
    }
    if (!m_known.contains(window)) {
        // A window new to the script waits to become active, which settles its focus
        // widget. One it has seen before is ready, active again or not.
        if (m_settling != window) {
            m_settling = window;
            m_settleExpired = false;
            m_settleBound.start();
        }
        if (QApplication::activeWindow() != window && !m_settleExpired) {
            wait();
            return;
        }
        m_settleBound.stop();
        m_settling = nullptr;
        m_known.removeAll(nullptr);
        m_known.append(window);
    }

    stopWaiting();
    const ScriptStep step = m_steps.at(m_next++);
    // Posted first, so that a window this step opens finds the next step waiting.
    post();
    m_running.append(modal);
    const QString failure = deliver(step, window);
    m_running.removeLast();
    // The next step may have been held back for this delivery to return.
    if (m_waiting)
        post();
    if (!failure.isEmpty()) {
        fail(failure);
    } else if (m_next >= m_steps.size() && !m_finished) {
        // The last step has been handled; the step posted above may never run if it
        // closed the window whose loop would have run it.
        m_finished = true;
        emit finished();
    }
}

QString ScriptDriver::deliver(const ScriptStep &step, QWidget *window)
{
    // Runs inside Qt's event loop: nothing may leave it as an exception.
    try {
        switch (step.kind) {
        case ScriptStep::Kind::Key:
            return sendKey(step, window);
        case ScriptStep::Kind::Tap:
            return tap(step, window);
        case ScriptStep::Kind::Close:
            window->close();
            return {};
        case ScriptStep::Kind::Shot:
            return shoot(step, window);
        }
        return {};
    } catch (const std::exception &e) {
        return QStringLiteral("\"%1\" failed: %2").arg(step.token, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("\"%1\" failed").arg(step.token);
    }
}

void ScriptDriver::fail(const QString &message)
{
    if (hasFailed())
        return;
    m_error = message;
    m_stopped = true;
    stopWaiting();
    emit failed(message);
}

} // namespace demo
