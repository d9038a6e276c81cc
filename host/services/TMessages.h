// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QObject>
#include <QStringList>

namespace host {

// Non-visual message catalogue: lines "key|text", looked up by key.
class OBSHOST_EXPORT TMessages : public QObject
{
    Q_OBJECT

public:
    explicit TMessages(QObject *parent = nullptr);

    QStringList Messages;

    // The text of the line with that key; raises EListError naming the key when no
    // line has it.
    QString Msg(const QString &key) const;
};

} // namespace host
