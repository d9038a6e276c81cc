// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QSqlDatabase>
#include <QString>

#include <memory>

// A throw-away PostgreSQL server for the tests: a new cluster in a folder of the build
// tree, run by the server's own binaries as an unprivileged user (the `postgres` system
// user, or one made for it, when the tests run as root), listening only on a socket in
// that folder. Every step is bounded; the server dies with the test program, and stop()
// (or the destructor) shuts it down and removes the folder.
class PgCluster
{
public:
    PgCluster() = default;
    ~PgCluster();
    PgCluster(const PgCluster &) = delete;
    PgCluster &operator=(const PgCluster &) = delete;

    // False, with the reason in error(), when the server cannot be set up or started
    // (its binaries missing included).
    bool start();
    void stop();
    QString error() const { return m_error; }

    // Where clients connect: the socket folder (libpq's host) and the port.
    QString socketDir() const { return m_socketDir; }
    int port() const { return m_port; }
    // The superuser (trusted) and a user that logs in only with its password.
    static QString superuser() { return QStringLiteral("obs"); }
    static QString passwordUser() { return QStringLiteral("loja"); }
    static QString password() { return QStringLiteral("segredo"); }
    static QString databaseName() { return QStringLiteral("obs"); }

    // A connection named name to the test database as the superuser, not yet open.
    QSqlDatabase connection(const QString &name) const;

private:
    bool run(const QString &program, const QStringList &args, int timeoutMs);
    bool fail(const QString &why);

    QString m_bin, m_root, m_data, m_socketDir, m_error;
    int m_port = 0;
    unsigned m_uid = 0, m_gid = 0;
    bool m_dropPrivileges = false;
    std::unique_ptr<QProcess> m_server;
};
