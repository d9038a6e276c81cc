// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/DisplayParameters.h"

#include "host/data/TClientDataSet.h"

#include <QFile>

#include <optional>

namespace dialog {

namespace {

struct LastRead
{
    QString path;
    QByteArray bytes;
    DisplayParameters parameters;
};

// Calls run on the interface thread only, one at a time.
std::optional<LastRead> g_last;

} // namespace

DisplayParameters readDisplayParameters(host::TClientDataSet &table, const QString &path, qint64 limit)
{
    QFile file(path);
    QByteArray bytes;
    bool read = false;
    if (file.open(QIODevice::ReadOnly) && file.size() <= limit) {
        bytes = file.read(limit + 1);
        read = file.error() == QFileDevice::NoError && bytes.size() <= limit;
    }
    if (read && g_last && g_last->path == path && g_last->bytes == bytes)
        return g_last->parameters;

    g_last.reset();
    table.SetFileSizeLimit(limit);
    // The bytes compared next time must be the bytes parsed now, even if the file
    // changes meanwhile. A file that could not be read goes the table's own way, which
    // says why.
    if (read)
        table.LoadFromBytes(bytes, path);
    else
        table.LoadFromFile(path);
    table.SetActive(true);

    DisplayParameters p;
    p.idEsquema = table.FieldByName(QStringLiteral("IDESQUEMA"))->AsString();
    p.inCor1 = table.FieldByName(QStringLiteral("INCOR1"))->AsInteger();
    p.inCor2 = table.FieldByName(QStringLiteral("INCOR2"))->AsInteger();
    p.inCor3 = table.FieldByName(QStringLiteral("INCOR3"))->AsInteger();
    p.inCor5 = table.FieldByName(QStringLiteral("INCOR5"))->AsInteger();
    if (read)
        g_last = LastRead {path, bytes, p};
    return p;
}

void forgetDisplayParameters()
{
    g_last.reset();
}

} // namespace dialog
