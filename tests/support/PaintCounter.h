// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

// Counts the paint events of one widget while it lives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QObject *watched);
    ~PaintCounter() override;

    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *m_watched;
};
