// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TTecladoTela.h"

#include "host/controls/TBlendedButton.h"
#include "host/search/SearchLook.h"
#include "platform/Painting.h"

#include <QResizeEvent>

namespace host {

TTecladoTela::TTecladoTela(int columns, int rows, QWidget *parent)
    : QWidget(parent)
    , m_columns(qMax(1, columns))
    , m_rows(qMax(1, rows))
{
    setFocusPolicy(Qt::NoFocus);
}

TBlendedButton *TTecladoTela::place(TBlendedButton *key, int row, int column, int span, QChar character)
{
    Q_ASSERT(row >= 0 && row < m_rows && column >= 0 && column + span <= m_columns);
    key->setFocusPolicy(Qt::NoFocus);
    m_cells.append(Cell {key, row, column, qMax(1, span), character});
    layoutKeys();
    return key;
}

TBlendedButton *TTecladoTela::addCharacter(QChar c, int row, int column, int span)
{
    auto *key = new TBlendedButton(this);
    const QChar upper = c.toUpper();
    key->setObjectName(QStringLiteral("btnTecla%1").arg(upper.unicode()));
    key->SetTag(upper.unicode());
    key->setFont(platform::arial(22));
    key->setText(shown(c));
    key->setAccessibleName(shown(c));
    // Read the caption at click time: it follows the case.
    key->OnClick = [this, key](QObject *) { Q_EMIT characterTyped(key->text().at(0)); };
    return place(key, row, column, span, c);
}

TBlendedButton *TTecladoTela::addCommand(const QString &objectName, const QString &caption,
                                         const QString &accessibleName, int row, int column, int span)
{
    auto *key = new TBlendedButton(this);
    key->setObjectName(objectName);
    key->setFont(platform::arial(caption.size() > 2 ? 17 : 22, caption.size() > 2));
    key->setText(caption);
    key->setAccessibleName(accessibleName);
    return place(key, row, column, span, QChar());
}

QChar TTecladoTela::shown(QChar c) const
{
    return m_upperCase ? c.toUpper() : c.toLower();
}

void TTecladoTela::setUpperCase(bool upper)
{
    if (upper == m_upperCase)
        return;
    m_upperCase = upper;
    for (const Cell &cell : std::as_const(m_cells)) {
        if (cell.character.isNull() || !cell.character.isLetter())
            continue;
        cell.key->setText(shown(cell.character));
        cell.key->setAccessibleName(cell.key->text());
    }
}

void TTecladoTela::setLook(const SearchLook &look)
{
    for (const Cell &cell : std::as_const(m_cells))
        look.applyTo(cell.key);
}

void TTecladoTela::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutKeys();
}

void TTecladoTela::layoutKeys()
{
    // Cell edges are spread over the whole width and height so that rounding leaves
    // no ragged right or bottom margin.
    const auto edge = [](int index, int count, int length) { return index * (length + Gap) / count; };
    for (const Cell &cell : std::as_const(m_cells)) {
        const int left = edge(cell.column, m_columns, width());
        const int right = edge(cell.column + cell.span, m_columns, width()) - Gap;
        const int top = edge(cell.row, m_rows, height());
        const int bottom = edge(cell.row + 1, m_rows, height()) - Gap;
        cell.key->setGeometry(left, top, right - left, bottom - top);
    }
}

} // namespace host
