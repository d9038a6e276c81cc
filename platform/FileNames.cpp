// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace platform {

QString findFileIgnoringCase(const QString &dir, const QString &name)
{
    const QDir directory(dir);
    QString exact = directory.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;

    // Listing the directory costs more than the one stat above, so only on a miss.
    QStringList matches;
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(entry);
    if (matches.isEmpty())
        return QString();
    // The listing order is the file system's: sort so the choice never depends on it.
    matches.sort(Qt::CaseSensitive);
    if (matches.size() > 1)
        qWarning("%s: several files match in another case (%s); taking %s", qUtf8Printable(name),
                 qUtf8Printable(matches.join(QStringLiteral(", "))), qUtf8Printable(matches.first()));
    return directory.filePath(matches.first());
}

} // namespace platform
