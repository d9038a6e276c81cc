// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleSearchDialog.h"

#include "host/search/AccessibleSearchField.h"
#include "host/search/TfrmPesquisa.h"

namespace host {

AccessibleSearchDialog::AccessibleSearchDialog(TfrmPesquisa *dialog)
    : QAccessibleWidget(dialog, QAccessible::Dialog)
{ }

AccessibleSearchDialog::~AccessibleSearchDialog()
{
    if (m_field)
        QAccessible::deleteAccessibleInterface(m_field);
}

QAccessibleInterface *AccessibleSearchDialog::field() const
{
    if (!m_field)
        m_field = QAccessible::registerAccessibleInterface(
            new AccessibleSearchField(static_cast<TfrmPesquisa *>(widget())));
    return QAccessible::accessibleInterface(m_field);
}

int AccessibleSearchDialog::childCount() const
{
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface *AccessibleSearchDialog::child(int index) const
{
    if (index == 0)
        return field();
    return QAccessibleWidget::child(index - 1);
}

int AccessibleSearchDialog::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (m_field && child == QAccessible::accessibleInterface(m_field))
        return 0;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + 1;
}

QAccessibleInterface *AccessibleSearchDialog::childAt(int x, int y) const
{
    if (QAccessibleInterface *control = QAccessibleWidget::childAt(x, y))
        return control;
    QAccessibleInterface *f = field();
    return f->rect().contains(x, y) ? f : nullptr;
}

} // namespace host
