// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/app/DatabaseSource.h"

#include "demo/app/HostSession.h"
#include "host/data/QueryLoader.h"
#include "platform/Exception.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>
#include <QUuid>

namespace demo {

std::optional<DatabaseSource> DatabaseSource::parse(const QString &url, QString *error)
{
    DatabaseSource source;
    source.m_url = url;
    static const QRegularExpression postgres(
        QStringLiteral(R"(^postgres(?:ql)?://(?:([^@/:]*)(:[^@/]*)?@)?([^/:?#]*)(?::(\d{1,5}))?/([^/?#]+)$)"));
    if (url.startsWith(QLatin1String("postgres"), Qt::CaseInsensitive) && url.contains(QLatin1String("://"))) {
        const QRegularExpressionMatch m = postgres.match(url);
        if (!m.hasMatch()) {
            *error = QStringLiteral("\"%1\" is not postgresql://user@host:port/database").arg(url);
            return std::nullopt;
        }
        if (m.capturedLength(2) > 0) {
            *error = QStringLiteral("no password in the URL: give it in PGPASSWORD or a pass file (~/.pgpass)");
            return std::nullopt;
        }
        source.m_postgres = true;
        source.m_user = QUrl::fromPercentEncoding(m.captured(1).toUtf8());
        source.m_host = QUrl::fromPercentEncoding(m.captured(3).toUtf8());
        source.m_port = m.captured(4).isEmpty() ? -1 : m.captured(4).toInt();
        source.m_database = QUrl::fromPercentEncoding(m.captured(5).toUtf8());
        if (source.m_port == 0 || source.m_port > 65535) {
            *error = QStringLiteral("port %1 of \"%2\" is out of range").arg(m.captured(4), url);
            return std::nullopt;
        }
        return source;
    }
    QString file = url;
    if (url.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive))
        file = url.mid(7);
    else if (QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:")).match(url).hasMatch()) {
        *error = QStringLiteral("\"%1\": the kinds of database are sqlite:PATH and postgresql://...").arg(url);
        return std::nullopt;
    }
    if (file.startsWith(QLatin1String("//")))
        file = file.mid(2); // sqlite:///abs/path
    if (file.isEmpty()) {
        *error = QStringLiteral("\"%1\" names no file").arg(url);
        return std::nullopt;
    }
    source.m_file = file;
    return source;
}

int DatabaseSource::load(host::TClientDataSet &list, const QString &sql, QString *error) const
{
    if (!m_postgres) {
        const QFileInfo info(m_file);
        if (!info.exists()) {
            *error = QStringLiteral("no such file");
            return ExitNoList;
        }
        if (!info.isFile()) {
            *error = QStringLiteral("is not a regular file");
            return ExitNoList;
        }
    }
    const QString name = QUuid::createUuid().toString();
    int status = ExitOk;
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        if (m_postgres) {
            db.setUserName(m_user);
            db.setHostName(m_host);
            db.setPort(m_port);
            db.setDatabaseName(m_database);
            db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        } else {
            db.setDatabaseName(m_file);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        }
        if (!db.isValid()) {
            *error = QStringLiteral("Qt has no %1 driver (install %2)")
                         .arg(db.driverName(),
                              m_postgres ? QStringLiteral("libqt6sql6-psql") : QStringLiteral("libqt6sql6-sqlite"));
            status = ExitNoDatabase;
        } else if (!db.open()) {
            *error = QStringLiteral("cannot connect: %1").arg(db.lastError().text().simplified());
            status = ExitNoDatabase;
        } else {
            try {
                host::QueryLoader::load(list, db, sql);
            } catch (const platform::Exception &e) {
                *error = e.message().simplified();
                status = ExitBadQuery;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return status;
}

} // namespace demo
