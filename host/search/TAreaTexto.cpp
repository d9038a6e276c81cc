// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TAreaTexto.h"

#include "host/search/AccessibleFactory.h"
#include "platform/Painting.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLine>

namespace host {

TAreaTexto::TAreaTexto(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(platform::arial(20));
    relayout();
    installSearchAccessibility();
}

void TAreaTexto::setText(const QString &text)
{
    const QString old = m_text;
    const bool selected = hasSelection();
    m_text = text;
    m_cursor = int(m_text.size());
    m_anchor = m_cursor;
    relayout();
    QAccessibleTextUpdateEvent changed(this, 0, old, m_text);
    QAccessible::updateAccessibility(&changed);
    if (selected)
        selectionChanged();
    cursorChanged();
}

void TAreaTexto::setCursorPosition(int position)
{
    position = qBound(0, position, int(m_text.size()));
    const bool selected = hasSelection();
    m_anchor = position; // a caret that moves leaves no selection behind
    if (selected)
        selectionChanged();
    if (position == m_cursor)
        return;
    m_cursor = position;
    cursorChanged();
}

void TAreaTexto::setSelection(int start, int end)
{
    start = qBound(0, start, int(m_text.size()));
    end = qBound(0, end, int(m_text.size()));
    if (start == m_anchor && end == m_cursor)
        return;
    const bool moved = end != m_cursor;
    m_anchor = start;
    m_cursor = end;
    selectionChanged();
    if (moved)
        cursorChanged();
}

void TAreaTexto::selectionChanged()
{
    update();
    QAccessibleTextSelectionEvent selected(this, selectionStart(), selectionEnd());
    QAccessible::updateAccessibility(&selected);
}

void TAreaTexto::insert(const QString &text)
{
    if (text.isEmpty())
        return;
    // What is typed takes the selection's place.
    if (hasSelection())
        remove(selectionStart(), selectionEnd());
    const int at = m_cursor;
    m_text.insert(at, text);
    m_cursor += int(text.size());
    m_anchor = m_cursor;
    relayout();
    QAccessibleTextInsertEvent inserted(this, at, text);
    QAccessible::updateAccessibility(&inserted);
    cursorChanged();
}

void TAreaTexto::backspace()
{
    if (hasSelection()) {
        remove(selectionStart(), selectionEnd());
        return;
    }
    if (m_cursor == 0)
        return;
    // One character as the operator sees it: never half a surrogate pair.
    remove(m_layout.previousCursorPosition(m_cursor), m_cursor);
}

void TAreaTexto::deleteForward()
{
    if (hasSelection()) {
        remove(selectionStart(), selectionEnd());
        return;
    }
    if (m_cursor >= m_text.size())
        return;
    remove(m_cursor, m_layout.nextCursorPosition(m_cursor));
}

void TAreaTexto::remove(int from, int to)
{
    from = qBound(0, from, int(m_text.size()));
    to = qBound(from, to, int(m_text.size()));
    if (from == to)
        return;
    const bool selected = hasSelection();
    const QString removed = m_text.mid(from, to - from);
    m_text.remove(from, to - from);
    // The cursor keeps its place in the text that is left.
    if (m_cursor >= to)
        m_cursor -= to - from;
    else if (m_cursor > from)
        m_cursor = from;
    m_anchor = m_cursor;
    relayout();
    QAccessibleTextRemoveEvent gone(this, from, removed);
    QAccessible::updateAccessibility(&gone);
    if (selected)
        selectionChanged();
    cursorChanged();
}

void TAreaTexto::clear()
{
    if (m_text.isEmpty())
        return;
    setText(QString());
}

int TAreaTexto::lineIndexFor(int position) const
{
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (position < line.textStart() + line.textLength())
            return i;
    }
    return qMax(0, m_layout.lineCount() - 1);
}

int TAreaTexto::cursorLine() const
{
    return lineIndexFor(m_cursor);
}

int TAreaTexto::lineCount() const
{
    return m_layout.lineCount();
}

void TAreaTexto::moveCursor(Move move)
{
    const int line = cursorLine();
    switch (move) {
    case Move::Left:
        setCursorPosition(m_layout.previousCursorPosition(m_cursor));
        break;
    case Move::Right:
        setCursorPosition(m_layout.nextCursorPosition(m_cursor));
        break;
    case Move::LineStart:
        setCursorPosition(m_layout.lineAt(line).textStart());
        break;
    case Move::LineEnd: {
        const QTextLine l = m_layout.lineAt(line);
        int end = l.textStart() + l.textLength();
        // A wrapped line ends in the blank it broke at; stop before it so the cursor
        // stays on this line.
        if (line + 1 < m_layout.lineCount() && end > l.textStart() && m_text.at(end - 1).isSpace())
            --end;
        setCursorPosition(end);
        break;
    }
    case Move::Up:
    case Move::Down: {
        const int target = line + (move == Move::Up ? -1 : 1);
        if (target < 0)
            setCursorPosition(0);
        else if (target >= m_layout.lineCount())
            setCursorPosition(int(m_text.size()));
        else {
            const qreal x = m_layout.lineAt(line).cursorToX(m_cursor);
            setCursorPosition(m_layout.lineAt(target).xToCursor(x));
        }
        break;
    }
    case Move::TextStart:
        setCursorPosition(0);
        break;
    case Move::TextEnd:
        setCursorPosition(int(m_text.size()));
        break;
    }
}

QRect TAreaTexto::textArea() const
{
    const int inset = FrameWidth + Padding;
    return rect().adjusted(inset, inset, -inset, -inset);
}

QPointF TAreaTexto::layoutOrigin() const
{
    const QRect area = textArea();
    const qreal scrolled = m_firstLine < m_layout.lineCount() ? m_layout.lineAt(m_firstLine).y() : 0;
    return QPointF(area.left(), area.top() - scrolled);
}

void TAreaTexto::relayout()
{
    m_layout.clearLayout();
    m_layout.setText(m_text);
    m_layout.setFont(font());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    const qreal width = qMax(1, textArea().width());
    qreal y = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    m_layout.endLayout();
    update();
}

void TAreaTexto::cursorChanged()
{
    // Scroll by whole lines until the cursor's line lies within the area.
    const int line = cursorLine();
    const qreal visible = textArea().height();
    if (line < m_firstLine)
        m_firstLine = line;
    while (m_firstLine < line) {
        const QTextLine l = m_layout.lineAt(line);
        if (l.y() + l.height() - m_layout.lineAt(m_firstLine).y() <= visible)
            break;
        ++m_firstLine;
    }
    m_firstLine = qBound(0, m_firstLine, qMax(0, m_layout.lineCount() - 1));
    update();
    QAccessibleTextCursorEvent moved(this, m_cursor);
    QAccessible::updateAccessibility(&moved);
}

QRect TAreaTexto::cursorRect() const
{
    const QTextLine line = m_layout.lineAt(cursorLine());
    const QPointF origin = layoutOrigin();
    const qreal x = origin.x() + line.cursorToX(m_cursor);
    return QRect(qRound(x) - 1, qRound(origin.y() + line.y()), 2, qRound(line.height()));
}

// The selected part of a line, behind its text: a light blue that black text reads on.
void TAreaTexto::paintSelection(QPainter &p, const QTextLine &line, const QPointF &origin) const
{
    const int from = qMax(selectionStart(), line.textStart());
    const int to = qMin(selectionEnd(), line.textStart() + line.textLength());
    if (from >= to)
        return;
    const qreal left = line.cursorToX(from);
    const qreal right = line.cursorToX(to);
    p.fillRect(QRectF(origin.x() + qMin(left, right), origin.y() + line.y(), qAbs(right - left), line.height()),
               QColor(173, 214, 255));
}

QRect TAreaTexto::characterRect(int position) const
{
    if (position < 0 || position >= m_text.size())
        return QRect();
    const QTextLine line = m_layout.lineAt(lineIndexFor(position));
    const QPointF origin = layoutOrigin();
    const qreal from = line.cursorToX(position);
    const qreal to = line.cursorToX(m_layout.nextCursorPosition(position));
    return QRectF(origin.x() + qMin(from, to), origin.y() + line.y(), qAbs(to - from), line.height()).toAlignedRect();
}

int TAreaTexto::positionAt(const QPoint &pos) const
{
    if (m_layout.lineCount() == 0)
        return 0;
    const QPointF local = QPointF(pos) - layoutOrigin();
    int line = m_layout.lineCount() - 1;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine l = m_layout.lineAt(i);
        if (local.y() < l.y() + l.height()) {
            line = i;
            break;
        }
    }
    return m_layout.lineAt(line).xToCursor(local.x());
}

void TAreaTexto::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    // Only whole lines are drawn: a line cut in half reads as something else.
    const QPointF origin = layoutOrigin();
    const qreal bottom = textArea().bottom() + 1;
    int shownLast = m_firstLine - 1;
    for (int i = m_firstLine; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (i > m_firstLine && origin.y() + line.y() + line.height() > bottom)
            break;
        paintSelection(p, line, origin);
        line.draw(&p, origin);
        shownLast = i;
    }
    p.fillRect(cursorRect(), Qt::black);

    const int lines = m_layout.lineCount();
    if (m_firstLine > 0 || shownLast < lines - 1) {
        // Position marker in the right margin: which part of the text is in view.
        const QRect area = textArea();
        const int trackTop = area.top();
        const int trackHeight = area.height();
        const int thumbTop = trackTop + trackHeight * m_firstLine / lines;
        const int thumbHeight = qMax(12, trackHeight * (shownLast - m_firstLine + 1) / lines);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 160, 160));
        p.drawRoundedRect(QRectF(area.right() + 2, thumbTop, 5, thumbHeight), 2.5, 2.5);
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    platform::drawFrame(p, rect(), Qt::black, FrameWidth);
}

void TAreaTexto::mousePressEvent(QMouseEvent *event)
{
    setCursorPosition(positionAt(event->position().toPoint()));
    event->accept();
}

void TAreaTexto::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
    cursorChanged();
}

} // namespace host
