#include "demo/driver/ScriptDriver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace demo {

namespace {

// How often a held-back step looks again.
constexpr int kRetryMs = 10;
// How long a newly shown window may take to become active before it gets a step
// anyway (its focus widget is settled on activation).
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
{ }

ScriptDriver::~ScriptDriver() = default;

void ScriptDriver::start()
{
    m_stopped = false;
    post(0);
}

void ScriptDriver::stop()
{
    m_stopped = true;
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

void ScriptDriver::post(int delayMs)
{
    if (m_posted)
        return;
    m_posted = true;
    // The timer's slot object belongs to Qt once posted.
    QTimer::singleShot(delayMs, this, &ScriptDriver::runNext); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
}

void ScriptDriver::runNext()
{
    m_posted = false;
    if (m_stopped || m_finished)
        return;

    // An earlier step is still being handled and has opened no window since it began:
    // this one is not due yet.
    QWidget *modal = QApplication::activeModalWidget();
    if (!m_running.isEmpty() && m_running.last() == modal) {
        post(kRetryMs);
        return;
    }
    if (m_next >= m_steps.size()) {
        m_finished = true;
        emit finished();
        return;
    }
    QWidget *window = targetWindow();
    if (!window) {
        post(kRetryMs);
        return;
    }
    if (!m_known.contains(window)) {
        // A window new to the script gets a moment to become active, which settles its
        // focus widget. One it has seen before is ready, active again or not.
        if (m_settling != window) {
            m_settling = window;
            m_settleClock.start();
        }
        if (QApplication::activeWindow() != window && m_settleClock.elapsed() < kSettleMs) {
            post(kRetryMs);
            return;
        }
        m_known.removeAll(nullptr);
        m_known.append(window);
    }

    const ScriptStep step = m_steps.at(m_next++);
    // Posted first, so that a window this step opens finds the next step waiting.
    post(0);
    m_running.append(modal);
    const QString failure = deliver(step, window);
    m_running.removeLast();
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
    emit failed(message);
}

} // namespace demo
