// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleTextInterface>

namespace platform {

// The text interface of something that shows a plain string and cannot be selected
// in: a label, a list row. The caret sits at the end of the text, where the next typed
// character would go; there is no selection and one run of attributes. Subclasses
// give the string, and where they can, the characters' places on screen.
class AccessibleText : public QAccessibleTextInterface
{
public:
    virtual QString plainText() const = 0;

    // What of a text given through an editable-text interface the operator could have
    // typed: printable characters that Windows-1252 holds.
    static QString typable(const QString &text);

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override;
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
};

} // namespace platform
