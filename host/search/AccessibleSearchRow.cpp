// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleSearchRow.h"

#include "host/search/TListaPesquisa.h"

#include <QWidget>
#include <QWindow>

namespace host {

AccessibleSearchRow::AccessibleSearchRow(TListaPesquisa *list, int row)
    : m_list(list)
    , m_row(row)
{ }

bool AccessibleSearchRow::isValid() const
{
    return m_list && m_row < m_list->rowCount();
}

QWindow *AccessibleSearchRow::window() const
{
    return m_list ? m_list->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleSearchRow::parent() const
{
    return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
}

QString AccessibleSearchRow::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && isValid())
        return plainText();
    return QString();
}

QRect AccessibleSearchRow::rect() const
{
    if (!isValid())
        return QRect();
    const QRect local = m_list->rowRect(m_row);
    return local.isEmpty() ? QRect() : QRect(m_list->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleSearchRow::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.selected = m_row == m_list->highlighted();
    s.focusable = true;
    s.focused = s.selected;
    // Rows scrolled out of the list are there, but not on screen.
    s.offscreen = m_list->rowRect(m_row).isEmpty();
    s.invisible = !m_list->isVisible();
    return s;
}

void *AccessibleSearchRow::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QString AccessibleSearchRow::plainText() const
{
    if (!isValid())
        return QString();
    const TListaPesquisa::Row &r = m_list->rows().at(m_row);
    return r.code + QStringLiteral(" - ") + r.description;
}

QStringList AccessibleSearchRow::actionNames() const
{
    if (!isValid() || !m_list->isEnabled())
        return {};
    return {setFocusAction(), pressAction()};
}

void AccessibleSearchRow::doAction(const QString &actionName)
{
    if (!isValid() || !m_list->isEnabled())
        return;
    if (actionName == setFocusAction())
        m_list->setHighlighted(m_row);
    else if (actionName == pressAction())
        m_list->activate(m_row);
}

} // namespace host
