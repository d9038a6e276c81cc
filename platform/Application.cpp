// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Application.h"

#include "platform/Exception.h"

#include <QApplication>
#include <QThread>
#ifdef OBS_HAVE_WAYLAND
#include <qpa/qwindowsysteminterface.h>
#endif

namespace platform::Application {

namespace {
QString g_exeOverride;
ExceptionReporter &reporter()
{
    static ExceptionReporter r;
    return r;
}
} // namespace

bool onInterfaceThread(const char *who, const char *refusal)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app) {
        qWarning("%s: no QApplication is running; %s", who, refusal);
        return false;
    }
    if (QThread::currentThread() != app->thread()) {
        qWarning("%s: called outside the interface thread; %s", who, refusal);
        return false;
    }
    return true;
}

void processMessages()
{
    QCoreApplication::processEvents();
}

QString exeName()
{
    if (!g_exeOverride.isEmpty())
        return g_exeOverride;
    return QCoreApplication::applicationFilePath();
}

void setExeNameOverride(const QString &path)
{
    g_exeOverride = path;
}

void setExceptionReporter(ExceptionReporter r)
{
    reporter() = std::move(r);
}

void handleException(const std::exception_ptr &error) noexcept
{
    try {
        const QString message = exceptionMessage(error);
        if (reporter())
            reporter()(message);
        else
            qWarning("%s", qUtf8Printable(message));
    } catch (...) {
        // Reporting must never itself escape into the event loop.
        qWarning("an exception was raised while reporting an exception");
    }
}

void deliverQueuedKeys()
{
#ifdef OBS_HAVE_WAYLAND
    if (qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QWindowSystemInterface::flushWindowSystemEvents();
#endif
}

} // namespace platform::Application
