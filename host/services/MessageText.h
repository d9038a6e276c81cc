// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace host {

// The message box's text: a QLabel as drawn, which assistive technology also reads
// through the text interface (Qt gives a plain QLabel only a name).
class MessageText : public QLabel
{
    Q_OBJECT

public:
    explicit MessageText(QWidget *parent = nullptr);
    void setMessage(const QString &text);
};

} // namespace host
