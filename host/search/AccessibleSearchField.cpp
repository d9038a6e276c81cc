// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleSearchField.h"

#include "host/search/TfrmPesquisa.h"

#include <QWindow>

namespace host {

AccessibleSearchField::AccessibleSearchField(TfrmPesquisa *dialog)
    : m_dialog(dialog)
{ }

QWindow *AccessibleSearchField::window() const
{
    return m_dialog ? m_dialog->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleSearchField::parent() const
{
    return m_dialog ? QAccessible::queryAccessibleInterface(m_dialog.data()) : nullptr;
}

QString AccessibleSearchField::text(QAccessible::Text t) const
{
    if (!m_dialog)
        return QString();
    switch (t) {
    case QAccessible::Name:
        return m_dialog->searchLabel();
    case QAccessible::Value:
        return m_dialog->searchText();
    default:
        return QString();
    }
}

void AccessibleSearchField::setText(QAccessible::Text t, const QString &text)
{
    if (m_dialog && t == QAccessible::Value)
        m_dialog->setSearchText(typable(text));
}

QRect AccessibleSearchField::rect() const
{
    if (!m_dialog)
        return QRect();
    const QRect local = m_dialog->searchFieldRect();
    return QRect(m_dialog->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleSearchField::state() const
{
    QAccessible::State s;
    if (!m_dialog) {
        s.invalid = true;
        return s;
    }
    s.editable = true;
    s.invisible = !m_dialog->isVisible();
    return s;
}

void *AccessibleSearchField::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return nullptr;
}

QString AccessibleSearchField::plainText() const
{
    return m_dialog ? m_dialog->searchText() : QString();
}

void AccessibleSearchField::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleSearchField::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleSearchField::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!m_dialog)
        return;
    QString search = m_dialog->searchText();
    if (endOffset < 0 || endOffset > search.size())
        endOffset = int(search.size());
    startOffset = qBound(0, startOffset, endOffset);
    search.replace(startOffset, endOffset - startOffset, typable(text));
    m_dialog->setSearchText(search);
}

} // namespace host
