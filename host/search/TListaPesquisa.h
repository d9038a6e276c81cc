// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>
#include <QList>
#include <QWidget>

namespace host {

// The rows of the search dialog: code and description in tall, touch-sized rows with
// one highlighted row. A tap highlights the row under it, a double tap activates it.
// Scrolls to keep the highlighted row in view; the wheel scrolls without moving it.
class OBSHOST_EXPORT TListaPesquisa : public QWidget
{
    Q_OBJECT

public:
    struct Row
    {
        QString code;
        QString description;
    };

    static constexpr int RowHeight = 40;
    static constexpr int FrameWidth = 2;

    explicit TListaPesquisa(QWidget *parent = nullptr);

    // New rows: the first is highlighted and shown at the top.
    void setRows(const QList<Row> &rows);
    const QList<Row> &rows() const { return m_rows; }
    int rowCount() const { return int(m_rows.size()); }

    // -1 when there are no rows.
    int highlighted() const { return m_highlighted; }
    // Clamped to the rows; scrolls the row into view.
    void setHighlighted(int row);
    void moveHighlight(int delta);

    int topRow() const { return m_top; }
    // Rows that fit whole in the widget (at least 1).
    int pageRows() const;
    // The row at a point of the widget, -1 where there is none.
    int rowAt(const QPoint &pos) const;

    // Highlights a row and activates it, as a double tap on it does.
    void activate(int row);
    // Where a row lies in the widget; empty for a row scrolled out of view.
    QRect rowRect(int row) const;

    void setHighlightColor(const QColor &fill, const QColor &text);
    // Shown when there are no rows.
    void setEmptyText(const QString &text);
    QString emptyText() const { return m_emptyText; }

Q_SIGNALS:
    void activated(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect rowsArea() const;
    void setTop(int top);
    int codeColumnWidth() const;
    void announceHighlight(int previous);

    QList<Row> m_rows;
    int m_highlighted = -1;
    int m_top = 0;
    int m_wheelRemainder = 0;
    QColor m_highlight = QColor(0, 0, 128);
    QColor m_highlightText = Qt::white;
    QString m_emptyText;
};

} // namespace host
