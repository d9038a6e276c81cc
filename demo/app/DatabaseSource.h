// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QString>

#include <optional>

namespace demo {

// Where the demo host reads its list when given --database: an SQLite file
// ("sqlite:PATH", or a plain PATH) or a PostgreSQL server
// ("postgresql://user@host:port/db"; a host starting with "/" or "%2F" is libpq's socket
// directory). A password is never part of the URL: libpq takes it from PGPASSWORD or the
// pass file (PGPASSFILE, ~/.pgpass).
class DatabaseSource
{
public:
    // nullopt, with the reason in error, for a URL that is not one of those forms.
    static std::optional<DatabaseSource> parse(const QString &url, QString *error);

    // Fills the list; on failure the exit status (ExitNoList, ExitNoDatabase, ExitBadQuery)
    // and the one-line reason in error, the list untouched.
    int load(host::TClientDataSet &list, const QString &sql, QString *error) const;

    QString url() const { return m_url; }

private:
    QString m_url;
    bool m_postgres = false;
    QString m_file; // SQLite
    QString m_user, m_host, m_database; // PostgreSQL
    int m_port = -1;
};

} // namespace demo
