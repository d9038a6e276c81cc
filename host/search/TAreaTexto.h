// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QTextLayout>
#include <QWidget>

class QPainter;

namespace host {

// Word-wrapped text with a cursor, for a touch editor. It holds the text and the
// cursor; the owner feeds it keys. A tap puts the cursor at the nearest character
// boundary. Scrolls by whole lines to keep the cursor in view.
class OBSHOST_EXPORT TAreaTexto : public QWidget
{
    Q_OBJECT

public:
    enum class Move { Left, Right, LineStart, LineEnd, Up, Down, TextStart, TextEnd };

    static constexpr int FrameWidth = 2;
    static constexpr int Padding = 8;

    explicit TAreaTexto(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // The cursor goes to the end of the new text.
    void setText(const QString &text);
    int cursorPosition() const { return m_cursor; }
    // Moves the cursor, leaving no selection.
    void setCursorPosition(int position);

    // A selection runs from an anchor to the cursor. Typing replaces it, Backspace and
    // Delete remove it, and moving the cursor ends it. The keys never make one: it comes
    // from assistive technology (the editable-text interface).
    void setSelection(int start, int end);
    bool hasSelection() const { return m_anchor != m_cursor; }
    int selectionStart() const { return qMin(m_anchor, m_cursor); }
    int selectionEnd() const { return qMax(m_anchor, m_cursor); }

    void insert(const QString &text);
    // Removes the character before (backspace) or after (deleteForward) the cursor.
    void backspace();
    void deleteForward();
    // Removes the text from one position up to another; the cursor keeps its place in
    // what is left.
    void remove(int from, int to);
    void clear();
    void moveCursor(Move move);

    // The visual line holding the cursor, 0-based.
    int cursorLine() const;
    int lineCount() const;
    // The cursor position nearest to a point of the widget.
    int positionAt(const QPoint &pos) const;
    // Where the cursor is drawn, in widget coordinates.
    QRect cursorRect() const;
    // Where the character at a position is laid out, in widget coordinates (scrolled
    // out of view included); null past the text.
    QRect characterRect(int position) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect textArea() const;
    void relayout();
    void cursorChanged();
    void selectionChanged();
    void paintSelection(QPainter &p, const QTextLine &line, const QPointF &origin) const;
    int lineIndexFor(int position) const;
    QPointF layoutOrigin() const;

    QString m_text;
    int m_cursor = 0;
    int m_anchor = 0; // the selection's other end; the cursor when there is none
    int m_firstLine = 0; // first visual line shown
    QTextLayout m_layout;
};

} // namespace host
