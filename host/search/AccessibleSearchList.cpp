// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleSearchList.h"

#include "host/search/AccessibleSearchRow.h"
#include "host/search/TListaPesquisa.h"

namespace host {

AccessibleSearchList::AccessibleSearchList(TListaPesquisa *list)
    : QAccessibleWidget(list, QAccessible::List)
{ }

AccessibleSearchList::~AccessibleSearchList()
{
    for (const QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

TListaPesquisa *AccessibleSearchList::list() const
{
    return static_cast<TListaPesquisa *>(widget());
}

QString AccessibleSearchList::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && list()->rowCount() == 0)
        return list()->emptyText();
    return QAccessibleWidget::text(t);
}

int AccessibleSearchList::childCount() const
{
    return list()->rowCount();
}

QAccessibleInterface *AccessibleSearchList::child(int index) const
{
    if (index < 0 || index >= list()->rowCount())
        return nullptr;
    if (const auto found = m_rows.constFind(index); found != m_rows.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *row = new AccessibleSearchRow(list(), index);
    m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int AccessibleSearchList::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
        return -1;
    const int row = static_cast<const AccessibleSearchRow *>(child)->row();
    return row < list()->rowCount() ? row : -1;
}

QAccessibleInterface *AccessibleSearchList::childAt(int x, int y) const
{
    const int row = list()->rowAt(list()->mapFromGlobal(QPoint(x, y)));
    return row >= 0 ? child(row) : nullptr;
}

QAccessibleInterface *AccessibleSearchList::focusChild() const
{
    return child(list()->highlighted());
}

} // namespace host
