// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

namespace bench {

// Counts the paint events of every widget while it exists, so that a benchmark can show
// how much each side repaints.
class PaintCounter : public QObject
{
    Q_OBJECT

public:
    PaintCounter();
    ~PaintCounter() override;
    long long count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    long long m_count = 0;
};

} // namespace bench
