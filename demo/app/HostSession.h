// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "demo/driver/CallOutcome.h"
#include "demo/driver/ScriptStep.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace host {
class TClientDataSet;
}

namespace demo {

class HostMainWindow;
class ModuleLibrary;
class ScriptDriver;

// Exit statuses of the demo host.
enum ExitStatus {
    ExitOk = 0,
    ExitUsage = 1, // a bad command line (QCommandLineParser's own status)
    ExitBadScript = 2, // a script names an unknown key
    ExitNoModule = 3, // the module cannot be loaded
    ExitNoList = 4, // the observation list cannot be read
    ExitScriptFailed = 5, // a step could not be delivered: unknown control, picture not saved
    ExitWindowOpen = 6, // without a display, a window stayed open after its script
    ExitNoDatabase = 7, // --database: no driver, or the database cannot be opened or reached
    ExitBadQuery = 8, // --database: the query fails, or its rows do not make a list
};

struct HostOptions
{
    QString modulePath;
    QString listPath;
    // When set, the list comes from this database (DatabaseSource) by the query.
    QString databaseUrl;
    QString query;
    QString caption;
    // One script per call; no script means one call operated by hand.
    QStringList scripts;
    bool json = false;
    // Makes the calls over a full-screen window of the host's own.
    bool hostWindow = false;
};

// One run of the demo host: loads the module, makes the calls, prints their outcomes.
class HostSession : public QObject
{
    Q_OBJECT

public:
    explicit HostSession(HostOptions options, QObject *parent = nullptr);
    ~HostSession() override;

    // The exit status of the run.
    int run();

private:
    bool runCall(ModuleLibrary &module, host::TClientDataSet *list, int call, const QList<ScriptStep> *steps);
    void printOutcome(const CallOutcome &outcome) const;
    void onScriptFinished();
    void onScriptFailed(const QString &message);
    void checkWindowsClosed();
    void abortCall(const QString &message, int status);
    void closeNextWindow();

    HostOptions m_options;
    bool m_headless = false;
    int m_call = 0;
    bool m_callRunning = false;
    CallOutcome m_outcome;
    bool m_aborted = false;
    int m_status = ExitOk;
    // Without a display: how long the windows of a call may stay open once its script
    // has run out.
    QTimer m_idleTimer;
    // After an error: closes the call's windows one by one so that the call returns.
    QTimer m_closer;
    QElapsedTimer m_closingSince;
    std::unique_ptr<HostMainWindow> m_hostWindow;
};

} // namespace demo
