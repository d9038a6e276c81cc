// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

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
    // With a host window of its own: whether that window had the keyboard again once the
    // call was over.
    std::optional<bool> hostWindowActive;

    // {"call": K, "result": V, "messages": [{"text": T, "scheme": S}, ...]}, one line,
    // with "hostWindow": {"active": B} after them when the host had a window.
    QByteArray toJson() const;
    // The same for a person, one or more lines, each ending in a newline.
    QString toText() const;
};

} // namespace demo
