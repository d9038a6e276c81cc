// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "PaintCounter.h"

#include <QCoreApplication>
#include <QEvent>

namespace bench {

PaintCounter::PaintCounter()
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintCounter::~PaintCounter()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++m_count;
    return QObject::eventFilter(watched, event);
}

} // namespace bench
