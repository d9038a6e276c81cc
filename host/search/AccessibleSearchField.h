// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/AccessibleText.h"

#include <QAccessibleEditableTextInterface>
#include <QAccessibleInterface>
#include <QPointer>

namespace host {

class TfrmPesquisa;

// The search's typed text, which the window paints above its rows: editable text named
// as its label reads ("Pesquisar Observação"). Editing it narrows the rows as typing
// does, within the same length and characters.
class AccessibleSearchField : public QAccessibleInterface,
                              public platform::AccessibleText,
                              public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleSearchField(TfrmPesquisa *dialog);

    bool isValid() const override { return !m_dialog.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    using AccessibleText::text;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::EditableText; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QString plainText() const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QPointer<TfrmPesquisa> m_dialog;
};

} // namespace host
