// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

namespace host {

class TfrmPesquisa;

// The search window to assistive technology: its controls, preceded by the search
// field that the window paints itself (AccessibleSearchField).
class AccessibleSearchDialog : public QAccessibleWidget
{
public:
    explicit AccessibleSearchDialog(TfrmPesquisa *dialog);
    ~AccessibleSearchDialog() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QAccessibleInterface *field() const;

    mutable QAccessible::Id m_field = 0;
};

} // namespace host
