// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "PaintCounter.h"

#include <QEvent>

PaintCounter::PaintCounter(QObject *watched)
    : m_watched(watched)
{
    m_watched->installEventFilter(this);
}

PaintCounter::~PaintCounter()
{
    m_watched->removeEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++count;
    return false;
}
