// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

namespace demo {

// What one ObservacaoMod call gave the host: its result and every message the
// operator was shown during it, in order.
struct CallOutcome
{
    struct Message
    {
        QString text;
        QString scheme;
    };

    int call = 0; // 1 for the first call
    QVariant result;
    QList<Message> messages;

    // {"call": K, "result": V, "messages": [{"text": T, "scheme": S}, ...]}, one line.
    QByteArray toJson() const;
    // The same for a person, one or more lines, each ending in a newline.
    QString toText() const;
};

} // namespace demo
