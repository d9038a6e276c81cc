// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace host {

class TListaPesquisa;

// The search's rows to assistive technology: a list with one item per row, the
// highlighted one selected. With no rows, its description is what the list shows then.
class AccessibleSearchList : public QAccessibleWidget
{
public:
    explicit AccessibleSearchList(TListaPesquisa *list);
    ~AccessibleSearchList() override;

    TListaPesquisa *list() const;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    // Row items are made when first asked for and kept (by row number) while the list's
    // interface lives; an item reads its row afresh each time.
    mutable QHash<int, QAccessible::Id> m_rows;
};

} // namespace host
