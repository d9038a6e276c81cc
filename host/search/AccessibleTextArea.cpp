// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleTextArea.h"

#include "host/search/TAreaTexto.h"
#include "platform/AccessibleText.h"

namespace host {

AccessibleTextArea::AccessibleTextArea(TAreaTexto *area)
    : QAccessibleWidget(area, QAccessible::EditableText)
{ }

TAreaTexto *AccessibleTextArea::area() const
{
    return static_cast<TAreaTexto *>(widget());
}

QAccessible::State AccessibleTextArea::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

QString AccessibleTextArea::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return area()->text();
    return QAccessibleWidget::text(t);
}

void *AccessibleTextArea::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleTextArea::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool one = selectionIndex == 0 && area()->hasSelection();
    *startOffset = one ? area()->selectionStart() : 0;
    *endOffset = one ? area()->selectionEnd() : 0;
}

int AccessibleTextArea::selectionCount() const
{
    return area()->hasSelection() ? 1 : 0;
}

// The area holds one selection: another replaces it.
void AccessibleTextArea::addSelection(int startOffset, int endOffset)
{
    area()->setSelection(startOffset, endOffset < 0 ? characterCount() : endOffset);
}

void AccessibleTextArea::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        area()->setCursorPosition(area()->cursorPosition());
}

void AccessibleTextArea::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        addSelection(startOffset, endOffset);
}

int AccessibleTextArea::cursorPosition() const
{
    return area()->cursorPosition();
}

void AccessibleTextArea::setCursorPosition(int position)
{
    area()->setCursorPosition(position);
}

QString AccessibleTextArea::text(int startOffset, int endOffset) const
{
    const QString all = area()->text();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = int(all.size());
    startOffset = qBound(0, startOffset, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int AccessibleTextArea::characterCount() const
{
    return int(area()->text().size());
}

QRect AccessibleTextArea::characterRect(int offset) const
{
    const QRect local = area()->characterRect(offset);
    return local.isNull() ? QRect() : QRect(area()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleTextArea::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = area()->mapFromGlobal(point);
    return area()->rect().contains(local) ? area()->positionAt(local) : -1;
}

void AccessibleTextArea::scrollToSubstring(int startIndex, int)
{
    // The area scrolls to keep the caret in view.
    setCursorPosition(startIndex);
}

QString AccessibleTextArea::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void AccessibleTextArea::deleteText(int startOffset, int endOffset)
{
    area()->remove(startOffset, endOffset < 0 ? characterCount() : endOffset);
}

// Only what the operator could have typed goes in, as from the keys.
void AccessibleTextArea::insertText(int offset, const QString &text)
{
    area()->setCursorPosition(offset);
    area()->insert(platform::AccessibleText::typable(text));
}

void AccessibleTextArea::replaceText(int startOffset, int endOffset, const QString &text)
{
    deleteText(startOffset, endOffset);
    insertText(startOffset, text);
}

} // namespace host
