// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Format.h"

namespace platform {

QString Format(const QString &format, const QString &arg)
{
    QString out;
    out.reserve(format.size() + arg.size());
    bool used = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'%' && i + 1 < format.size()) {
            const QChar next = format.at(i + 1);
            if (next == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if (next == u's' && !used) {
                out += arg;
                used = true;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace platform
