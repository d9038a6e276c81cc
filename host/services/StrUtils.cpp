// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/StrUtils.h"

namespace host {

bool EmptyString(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > u' ')
            return false;
    return true;
}

QString Ajusta(const QString &code, int width)
{
    return code.rightJustified(width, u'0');
}

} // namespace host
