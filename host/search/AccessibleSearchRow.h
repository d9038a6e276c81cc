// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/AccessibleText.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

namespace host {

class TListaPesquisa;

// One row of the search list: its code and description, read as the observation
// dialog shows a found record ("01 - Sem cebola"). Selected while highlighted.
// Actions: SetFocus highlights the row (a tap); Press chooses it (a double tap).
class AccessibleSearchRow : public QAccessibleInterface,
                            public platform::AccessibleText,
                            public QAccessibleActionInterface
{
public:
    AccessibleSearchRow(TListaPesquisa *list, int row);

    int row() const { return m_row; }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    using AccessibleText::text;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QString plainText() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TListaPesquisa> m_list;
    int m_row;
};

} // namespace host
