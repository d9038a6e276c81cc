// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "PgCluster.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// The newest server installed: Debian puts each major version in a folder of its own.
QString serverBinDir()
{
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &v : std::as_const(found)) {
        const QString bin = versions.filePath(v + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/postgres")) && QFile::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return QString();
}

} // namespace

PgCluster::~PgCluster()
{
    stop();
}

bool PgCluster::fail(const QString &why)
{
    m_error = why;
    stop();
    return false;
}

bool PgCluster::run(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (m_dropPrivileges) {
        const uid_t uid = m_uid;
        const gid_t gid = m_gid;
        p.setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(126);
        });
    }
    p.start(m_bin + u'/' + program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        m_error = QStringLiteral("%1 did not finish within %2 s").arg(program).arg(timeoutMs / 1000);
        return false;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed (%2): %3")
                      .arg(program)
                      .arg(p.exitCode())
                      .arg(QString::fromLocal8Bit(p.readAll()).right(2000));
        return false;
    }
    return true;
}

bool PgCluster::start()
{
    m_bin = serverBinDir();
    if (m_bin.isEmpty())
        return fail(QStringLiteral("no PostgreSQL server under /usr/lib/postgresql (install the postgresql package)"));

    // The server refuses to run as root: as root, it runs as an unprivileged user.
    if (geteuid() == 0) {
        const passwd *pw = getpwnam("postgres");
        if (!pw) {
            QProcess::execute(QStringLiteral("useradd"),
                              {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                               QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                               QStringLiteral("postgres")});
            pw = getpwnam("postgres");
        }
        if (!pw)
            return fail(QStringLiteral("no unprivileged user to run the server as (useradd postgres failed)"));
        m_dropPrivileges = true;
        m_uid = pw->pw_uid;
        m_gid = pw->pw_gid;
    }

    // A short path: a socket's path is limited to about 100 bytes.
    m_root = QStringLiteral(OBS_BINARY_DIR "/pg-%1").arg(QCoreApplication::applicationPid());
    QDir(m_root).removeRecursively();
    m_data = m_root + QStringLiteral("/data");
    m_socketDir = m_root + QStringLiteral("/s");
    if (!QDir().mkpath(m_socketDir))
        return fail(QStringLiteral("cannot make %1").arg(m_socketDir));
    if (m_dropPrivileges
        && (chown(qPrintable(m_root), m_uid, m_gid) != 0 || chown(qPrintable(m_socketDir), m_uid, m_gid) != 0))
        return fail(QStringLiteral("cannot give %1 to the server's user").arg(m_root));

    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), m_data, QStringLiteral("-U"), superuser(), QStringLiteral("-A"),
              QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
              QStringLiteral("--no-sync")},
             120000))
        return fail(m_error);
    // Trust for the superuser; the password user must give its password.
    QFile hba(m_data + QStringLiteral("/pg_hba.conf"));
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || hba.write(QStringLiteral("local all %1 scram-sha-256\nlocal all all trust\n").arg(passwordUser()).toUtf8())
            < 0)
        return fail(QStringLiteral("cannot write %1").arg(hba.fileName()));
    hba.close();

    // No TCP at all: the port only names the socket, in a folder no other server uses.
    m_port = 5432;
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::MergedChannels);
    const uid_t uid = m_uid;
    const gid_t gid = m_gid;
    const bool drop = m_dropPrivileges;
    // The server goes when the test program goes, however it ends; set after the change of
    // user, which clears it.
    m_server->setChildProcessModifier([uid, gid, drop] {
        if (drop && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
            _exit(126);
        prctl(PR_SET_PDEATHSIG, SIGQUIT);
    });
    m_server->start(m_bin + QStringLiteral("/postgres"),
                    {QStringLiteral("-D"), m_data, QStringLiteral("-k"), m_socketDir, QStringLiteral("-p"),
                     QString::number(m_port), QStringLiteral("-c"), QStringLiteral("listen_addresses="),
                     QStringLiteral("-c"), QStringLiteral("fsync=off")});
    if (!m_server->waitForStarted(10000))
        return fail(QStringLiteral("postgres did not start: %1").arg(m_server->errorString()));

    // Ready once a client gets in; the server's output says why when it never is.
    const QDeadlineTimer deadline(60000);
    const QString probe = QUuid::createUuid().toString();
    bool ready = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), probe);
        db.setHostName(m_socketDir);
        db.setPort(m_port);
        db.setUserName(superuser());
        db.setDatabaseName(QStringLiteral("postgres"));
        while (!deadline.hasExpired() && m_server->state() == QProcess::Running) {
            if (db.open()) {
                ready = true;
                break;
            }
            m_server->waitForFinished(200);
        }
        if (ready) {
            QSqlQuery q(db);
            ready = q.exec(QStringLiteral("CREATE DATABASE %1").arg(databaseName()))
                && q.exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(passwordUser(), password()));
            if (!ready)
                m_error = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(probe);
    if (!ready)
        return fail(QStringLiteral("the server did not come up (%1): %2")
                        .arg(m_error.isEmpty() ? QStringLiteral("no connection within 60 s") : m_error,
                             QString::fromLocal8Bit(m_server->readAll()).right(2000)));
    return true;
}

void PgCluster::stop()
{
    if (m_server) {
        if (m_server->state() != QProcess::NotRunning) {
            ::kill(pid_t(m_server->processId()), SIGINT); // fast shutdown
            if (!m_server->waitForFinished(30000)) {
                m_server->kill();
                m_server->waitForFinished(5000);
            }
        }
        m_server.reset();
    }
    if (!m_root.isEmpty())
        QDir(m_root).removeRecursively();
    m_root.clear();
}

QSqlDatabase PgCluster::connection(const QString &name) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(m_socketDir);
    db.setPort(m_port);
    db.setUserName(superuser());
    db.setDatabaseName(databaseName());
    return db;
}
