// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/driver/CallOutcome.h"

#include "demo/driver/VariantJson.h"

namespace demo {

QByteArray CallOutcome::toJson() const
{
    QByteArray out = QByteArrayLiteral("{\"call\":") + QByteArray::number(call) + QByteArrayLiteral(",\"result\":")
        + VariantJson::encode(result) + QByteArrayLiteral(",\"messages\":[");
    for (qsizetype i = 0; i < messages.size(); ++i) {
        if (i)
            out += ',';
        out += QByteArrayLiteral("{\"text\":") + VariantJson::quote(messages.at(i).text)
            + QByteArrayLiteral(",\"scheme\":") + VariantJson::quote(messages.at(i).scheme) + '}';
    }
    out += ']';
    if (hostWindowActive)
        out += QByteArrayLiteral(",\"hostWindow\":{\"active\":") + (*hostWindowActive ? "true" : "false") + '}';
    return out + '}';
}

QString CallOutcome::toText() const
{
    QString out = QStringLiteral("Call %1 returned %2\n").arg(call).arg(VariantJson::describe(result));
    if (messages.isEmpty())
        out += QStringLiteral("  no messages\n");
    for (qsizetype i = 0; i < messages.size(); ++i)
        out += QStringLiteral("  message %1: \"%2\" (scheme \"%3\")\n")
                   .arg(i + 1)
                   .arg(messages.at(i).text, messages.at(i).scheme);
    if (hostWindowActive)
        out += *hostWindowActive ? QStringLiteral("  the host window has the keyboard again\n")
                                 : QStringLiteral("  the host window did not get the keyboard back\n");
    return out;
}

} // namespace demo
