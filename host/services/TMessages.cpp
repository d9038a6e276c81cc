// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/TMessages.h"

#include "platform/Exception.h"

namespace host {

TMessages::TMessages(QObject *parent)
    : QObject(parent)
{ }

QString TMessages::Msg(const QString &key) const
{
    for (const QString &line : Messages) {
        const qsizetype bar = line.indexOf(u'|');
        if (bar >= 0 && QStringView(line).left(bar) == key)
            return line.mid(bar + 1);
    }
    throw platform::EListError(QStringLiteral("Mensagem '%1' não encontrada.").arg(key));
}

} // namespace host
