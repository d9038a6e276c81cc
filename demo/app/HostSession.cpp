// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/app/HostSession.h"

#include "demo/app/DatabaseSource.h"
#include "demo/app/HostMainWindow.h"
#include "demo/app/ModuleLibrary.h"
#include "demo/driver/ScriptDriver.h"
#include "demo/driver/ScriptParser.h"
#include "host/data/TClientDataSet.h"
#include "host/services/Mensagem.h"
#include "platform/Exception.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace demo {

namespace {

// Without a display, how long a call's windows may stay open after its script ran out.
constexpr int kIdleLimitMs = 2000;
// After an error, how long the call's windows get to close before the host gives up.
constexpr int kCloseLimitMs = 3000;
// How long the host's window may take to get the keyboard back after a call.
constexpr int kRefocusLimitMs = 2000;

void printError(const QString &message)
{
    std::fprintf(stderr, "observacao-host: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
}

// The visible windows of the call, the active modal one first; the host's own window,
// which stays, is none of them.
QList<QWidget *> openWindows(const QWidget *hostWindow)
{
    QList<QWidget *> windows;
    if (QWidget *top = ScriptDriver::targetWindow(); top && top != hostWindow)
        windows << top;
    const QList<QWidget *> all = QApplication::topLevelWidgets();
    for (QWidget *w : all)
        if (w->isVisible() && w != hostWindow && !windows.contains(w))
            windows << w;
    return windows;
}

} // namespace

HostSession::HostSession(HostOptions options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
{
    const QString platform = QGuiApplication::platformName();
    m_headless = platform == QLatin1StringView("offscreen") || platform == QLatin1StringView("minimal");
    m_idleTimer.setSingleShot(true);
    // A coarse timer may fire up to 5% early; the host promises the full limit.
    m_idleTimer.setTimerType(Qt::PreciseTimer);
    m_idleTimer.setInterval(kIdleLimitMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &HostSession::checkWindowsClosed);
    m_closer.setInterval(20);
    connect(&m_closer, &QTimer::timeout, this, &HostSession::closeNextWindow);
}

HostSession::~HostSession() = default;

int HostSession::run()
{
    // Every script is checked before anything is shown.
    QList<QList<ScriptStep>> scripts;
    for (qsizetype i = 0; i < m_options.scripts.size(); ++i) {
        const ScriptParser::Result parsed = ScriptParser::parse(m_options.scripts.at(i));
        if (!parsed.ok()) {
            printError(QStringLiteral("--keys of call %1: %2").arg(i + 1).arg(parsed.error));
            return ExitBadScript;
        }
        scripts << parsed.steps;
    }

    host::TClientDataSet list;
    if (!m_options.databaseUrl.isEmpty()) {
        QString error;
        const std::optional<DatabaseSource> source = DatabaseSource::parse(m_options.databaseUrl, &error);
        const int status = source ? source->load(list, m_options.query, &error) : int(ExitUsage);
        if (status != ExitOk) {
            printError(
                QStringLiteral("cannot read the observation list from \"%1\": %2").arg(m_options.databaseUrl, error));
            return status;
        }
    } else {
        try {
            // Say what the path is when it is not a file the list can be read from.
            const QFileInfo info(m_options.listPath);
            if (m_options.listPath == QLatin1String("-"))
                throw platform::Exception(QStringLiteral("standard input is not accepted; give a file"));
            if (!info.exists())
                throw platform::Exception(QStringLiteral("no such file"));
            if (info.isDir())
                throw platform::Exception(QStringLiteral("is a directory"));
            if (!info.isFile())
                throw platform::Exception(QStringLiteral("is not a regular file (a FIFO, socket or device)"));
            list.LoadFromFile(m_options.listPath);
            list.Open();
        } catch (const std::exception &e) {
            printError(QStringLiteral("cannot read the observation list \"%1\": %2")
                           .arg(m_options.listPath, QString::fromUtf8(e.what())));
            return ExitNoList;
        }
    }

    ModuleLibrary module(m_options.modulePath);
    if (!module.load()) {
        printError(module.errorString());
        return ExitNoModule;
    }

    // Every message of a call is recorded and still shown in the default box, which
    // the operator or the script dismisses.
    host::SetMensagemHandler([this](const host::MensagemArgs &args) {
        m_outcome.messages.append({args.texto, args.idEsquema});
        host::MensagemPadrao(args);
    });

    if (m_options.hostWindow) {
        m_hostWindow = std::make_unique<HostMainWindow>();
        if (!m_hostWindow->present())
            printError(QStringLiteral("warning: the host window did not get the keyboard; the calls go ahead"));
    }

    module.initialize();
    const int calls = scripts.isEmpty() ? 1 : int(scripts.size());
    for (int call = 1; call <= calls; ++call) {
        const QList<ScriptStep> *steps = scripts.isEmpty() ? nullptr : &scripts.at(call - 1);
        if (!runCall(module, &list, call, steps))
            break;
    }
    module.finalize();
    host::SetMensagemHandler({});
    m_hostWindow.reset();

    // Windows the module released late must go while its code is still loaded.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    module.unload();
    return m_status;
}

bool HostSession::runCall(ModuleLibrary &module, host::TClientDataSet *list, int call, const QList<ScriptStep> *steps)
{
    m_call = call;
    m_outcome = CallOutcome {};
    m_outcome.call = call;

    // Without a display nobody can carry on by hand, so even a call without a script
    // is watched, as one whose script is empty.
    std::unique_ptr<ScriptDriver> driver;
    if (steps || m_headless) {
        driver = std::make_unique<ScriptDriver>(steps ? *steps : QList<ScriptStep> {});
        connect(driver.get(), &ScriptDriver::finished, this, &HostSession::onScriptFinished);
        connect(driver.get(), &ScriptDriver::failed, this, &HostSession::onScriptFailed);
        driver->start();
    }

    m_callRunning = true;
    m_outcome.result = module.observacaoMod(list, m_options.caption);
    m_callRunning = false;
    m_idleTimer.stop();
    m_closer.stop();

    if (m_aborted)
        return false;
    if (m_hostWindow)
        m_outcome.hostWindowActive = m_hostWindow->waitUntilActive(kRefocusLimitMs);
    if (driver && driver->remainingSteps() > 0)
        printError(QStringLiteral("warning: call %1 ended with %2 script step(s) undelivered, from \"%3\" on")
                       .arg(call)
                       .arg(driver->remainingSteps())
                       .arg(driver->nextToken()));
    printOutcome(m_outcome);
    return true;
}

void HostSession::printOutcome(const CallOutcome &outcome) const
{
    const QByteArray text = m_options.json ? outcome.toJson() + '\n' : outcome.toText().toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

void HostSession::onScriptFinished()
{
    // With a display the operator carries on by hand.
    if (m_headless && m_callRunning)
        m_idleTimer.start();
}

void HostSession::onScriptFailed(const QString &message)
{
    abortCall(message, ExitScriptFailed);
}

void HostSession::checkWindowsClosed()
{
    if (!m_callRunning)
        return;
    const QList<QWidget *> windows = openWindows(m_hostWindow.get());
    if (windows.isEmpty()) {
        // Between two windows of the call; look again later.
        m_idleTimer.start();
        return;
    }
    const QString open = ScriptDriver::describe(windows.first());
    QString message = m_options.scripts.isEmpty()
        ? QStringLiteral("no display and no --keys to operate window %1").arg(open)
        : QStringLiteral("the script has run out, but window %1 is still open").arg(open);
    for (qsizetype i = 1; i < windows.size(); ++i)
        message += QStringLiteral(", over %1").arg(ScriptDriver::describe(windows.at(i)));
    abortCall(message, ExitWindowOpen);
}

void HostSession::abortCall(const QString &message, int status)
{
    if (m_aborted)
        return;
    m_aborted = true;
    m_status = status;
    printError(QStringLiteral("call %1: %2").arg(m_call).arg(message));
    m_idleTimer.stop();
    m_closingSince.start();
    m_closer.start();
}

void HostSession::closeNextWindow()
{
    if (!m_callRunning) {
        m_closer.stop();
        return;
    }
    if (m_closingSince.elapsed() > kCloseLimitMs) {
        printError(QStringLiteral("the windows of call %1 do not close; giving up").arg(m_call));
        std::fflush(stdout);
        std::_Exit(m_status);
    }
    // The innermost window first, so that each returns to the one below it.
    const QList<QWidget *> windows = openWindows(m_hostWindow.get());
    if (!windows.isEmpty())
        windows.first()->close();
}

} // namespace demo
