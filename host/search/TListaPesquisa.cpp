// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TListaPesquisa.h"

#include "host/search/AccessibleFactory.h"
#include "platform/Painting.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace host {

namespace {
constexpr int kPadding = 10;
constexpr int kScrollBarWidth = 6;

QFont rowFont(bool bold)
{
    return platform::arial(18, bold);
}
} // namespace

TListaPesquisa::TListaPesquisa(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    installSearchAccessibility();
}

void TListaPesquisa::setRows(const QList<Row> &rows)
{
    m_rows = rows;
    m_top = 0;
    m_highlighted = m_rows.isEmpty() ? -1 : 0;
    update();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
    if (m_rows.isEmpty()) {
        // What the list says then is its description.
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    announceHighlight(-1);
}

void TListaPesquisa::announceHighlight(int previous)
{
    if (previous >= 0 && previous < rowCount()) {
        QAccessibleEvent left(this, QAccessible::SelectionRemove);
        left.setChild(previous);
        QAccessible::updateAccessibility(&left);
    }
    if (m_highlighted >= 0) {
        QAccessibleEvent chosen(this, QAccessible::Selection);
        chosen.setChild(m_highlighted);
        QAccessible::updateAccessibility(&chosen);
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(m_highlighted);
        QAccessible::updateAccessibility(&focused);
    }
}

QRect TListaPesquisa::rowsArea() const
{
    return rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
}

int TListaPesquisa::pageRows() const
{
    return qMax(1, rowsArea().height() / RowHeight);
}

int TListaPesquisa::rowAt(const QPoint &pos) const
{
    const QRect area = rowsArea();
    if (!area.contains(pos))
        return -1;
    const int row = m_top + (pos.y() - area.top()) / RowHeight;
    return row < rowCount() ? row : -1;
}

void TListaPesquisa::setTop(int top)
{
    top = qBound(0, top, qMax(0, rowCount() - pageRows()));
    if (top == m_top)
        return;
    m_top = top;
    update();
}

void TListaPesquisa::setHighlighted(int row)
{
    if (m_rows.isEmpty())
        return;
    row = qBound(0, row, rowCount() - 1);
    if (row < m_top)
        setTop(row);
    else if (row >= m_top + pageRows())
        setTop(row - pageRows() + 1);
    if (row == m_highlighted)
        return;
    const int previous = m_highlighted;
    m_highlighted = row;
    update();
    announceHighlight(previous);
}

void TListaPesquisa::activate(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    setHighlighted(row);
    Q_EMIT activated(row);
}

QRect TListaPesquisa::rowRect(int row) const
{
    if (row < m_top || row >= m_top + pageRows() || row >= rowCount())
        return QRect();
    const QRect area = rowsArea();
    return QRect(area.left(), area.top() + (row - m_top) * RowHeight, area.width(), RowHeight);
}

void TListaPesquisa::moveHighlight(int delta)
{
    setHighlighted(m_highlighted + delta);
}

void TListaPesquisa::setHighlightColor(const QColor &fill, const QColor &text)
{
    if (fill == m_highlight && text == m_highlightText)
        return;
    m_highlight = fill;
    m_highlightText = text;
    update();
}

void TListaPesquisa::setEmptyText(const QString &text)
{
    if (text == m_emptyText)
        return;
    m_emptyText = text;
    update();
}

int TListaPesquisa::codeColumnWidth() const
{
    // Wide enough for the widest code, but never more than a third of the row.
    const QFontMetrics fm(rowFont(true));
    int widest = fm.horizontalAdvance(QStringLiteral("00"));
    for (const Row &row : m_rows)
        widest = qMax(widest, fm.horizontalAdvance(row.code));
    return qMin(widest + 2 * kPadding, rowsArea().width() / 3);
}

void TListaPesquisa::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect area = rowsArea();
    p.setClipRect(area);

    if (m_rows.isEmpty()) {
        p.setFont(rowFont(false));
        p.setPen(QColor(89, 89, 89)); // a quiet grey that still reads at 7:1 on white
        p.drawText(area, Qt::AlignCenter, m_emptyText);
    } else {
        const int codeWidth = codeColumnWidth();
        const bool scrollable = rowCount() > pageRows();
        const int textRight = area.right() - (scrollable ? kScrollBarWidth + 2 : 0);
        const int last = qMin(rowCount(), m_top + pageRows() + 1);
        const QFont codeFont = rowFont(true);
        const QFont descFont = rowFont(false);
        const QFontMetrics descMetrics(descFont);
        for (int i = m_top; i < last; ++i) {
            const QRect r(area.left(), area.top() + (i - m_top) * RowHeight, area.width(), RowHeight);
            const bool on = i == m_highlighted;
            if (on)
                p.fillRect(r, m_highlight);
            else
                p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(220, 220, 220));
            p.setPen(on ? m_highlightText : QColor(Qt::black));
            const QRect codeRect(r.left() + kPadding, r.top(), codeWidth - 2 * kPadding, r.height());
            p.setFont(codeFont);
            p.drawText(codeRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       QFontMetrics(codeFont).elidedText(m_rows.at(i).code, Qt::ElideRight, codeRect.width()));
            const QRect descRect(r.left() + codeWidth, r.top(), textRight - kPadding - (r.left() + codeWidth),
                                 r.height());
            p.setFont(descFont);
            p.drawText(descRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       descMetrics.elidedText(m_rows.at(i).description, Qt::ElideRight, descRect.width()));
        }
        if (scrollable) {
            // Position marker: where the shown rows lie in the whole list.
            const int trackTop = area.top() + 4;
            const int trackHeight = area.height() - 8;
            const int thumbHeight = qMax(20, trackHeight * pageRows() / rowCount());
            const int range = rowCount() - pageRows();
            const int thumbTop = trackTop + (trackHeight - thumbHeight) * m_top / range;
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(160, 160, 160));
            p.drawRoundedRect(QRectF(area.right() - kScrollBarWidth - 1, thumbTop, kScrollBarWidth, thumbHeight), 3, 3);
        }
    }

    p.setClipping(false);
    platform::drawFrame(p, rect(), Qt::black, FrameWidth);
}

void TListaPesquisa::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        setHighlighted(row);
    event->accept();
}

void TListaPesquisa::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    event->accept();
    activate(row);
}

void TListaPesquisa::wheelEvent(QWheelEvent *event)
{
    // One notch (120) scrolls three rows; high-resolution wheels add up.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    setTop(m_top - 3 * notches);
    event->accept();
}

void TListaPesquisa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setTop(m_top);
    if (m_highlighted >= 0)
        setHighlighted(m_highlighted);
}

} // namespace host
