// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/TTecladoTela.h"

#include "host/controls/TBlendedBitBtn.h"
#include "platform/Application.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QResizeEvent>

namespace host {

namespace {

QString textOf(const char *utf8, const char *context)
{
    if (!utf8 || !*utf8)
        return QString();
    return context ? QCoreApplication::translate(context, utf8) : QString::fromUtf8(utf8);
}

} // namespace

TTecladoTela::TTecladoTela(QWidget *parent)
    : TTecladoTela(0, 0, parent)
{ }

TTecladoTela::TTecladoTela(int columns, int rows, QWidget *parent)
    : QWidget(parent)
    , m_columns(qMax(0, columns))
    , m_rows(qMax(0, rows))
    , m_group(new QButtonGroup(this))
{
    setFocusPolicy(Qt::NoFocus);
    // Several keys share a command, and none stays checked.
    m_group->setExclusive(false);
    connect(m_group, &QButtonGroup::buttonClicked, this, &TTecladoTela::clicked);
}

void TTecladoTela::addKeys(std::span<const KeyDesc> keys, const char *context)
{
    for (const KeyDesc &desc : keys)
        addKey(desc, context);
}

TBlendedButton *TTecladoTela::addKey(const KeyDesc &desc, const char *context, const QImage &picture)
{
    if (desc.characters) {
        TBlendedButton *last = nullptr;
        KeyDesc::Cell cell = desc.cell;
        for (const char16_t *c = desc.characters; *c; ++c, cell.column += cell.span) {
            const QChar upper = QChar(*c).toUpper();
            last = new TBlendedButton(this);
            last->setObjectName(QStringLiteral("btnTecla%1").arg(upper.unicode()));
            last->SetTag(upper.unicode());
            last->setText(shown(QChar(*c)));
            last->setAccessibleName(last->text());
            m_group->addButton(last);
            place(last, desc, cell, QChar(*c));
        }
        return last;
    }

    TBlendedButton *key = nullptr;
    if (desc.picture) {
        auto *withPicture = new TBlendedBitBtn(this);
        withPicture->SetLayout(desc.layout);
        withPicture->SetSpacing(desc.spacing);
        if (!picture.isNull())
            withPicture->SetGlyph(picture);
        key = withPicture;
    } else {
        key = new TBlendedButton(this);
    }
    key->setObjectName(QString::fromUtf8(desc.name));
    key->SetTag(desc.tag);
    key->setText(textOf(desc.caption, context));
    const QString accessible = textOf(desc.accessible, context);
    key->setAccessibleName(!accessible.isEmpty() ? accessible : key->text().simplified());
    if (desc.font.pixelSize > 0) {
        // Only what differs from the panel's font.
        QFont own = font();
        own.setFamily(QString::fromUtf8(desc.font.family));
        own.setPixelSize(desc.font.pixelSize);
        own.setBold(desc.font.bold);
        key->setFont(own);
    }
    if (desc.command != KeyDesc::NoCommand)
        m_group->addButton(key, desc.command);
    return place(key, desc, desc.cell, QChar());
}

TBlendedButton *TTecladoTela::place(TBlendedButton *key, const KeyDesc &desc, KeyDesc::Cell cell, QChar character)
{
    key->setFocusPolicy(Qt::NoFocus);
    cell.span = qMax(1, cell.span);
    const bool fixed = !desc.bounds.isEmpty();
    m_keys.append(Placed {key, cell, fixed, character});
    if (fixed) {
        key->setGeometry(desc.bounds);
    } else {
        Q_ASSERT(cell.row >= 0 && cell.row < m_rows && cell.column >= 0 && cell.column + cell.span <= m_columns);
        key->setGeometry(cellRect(cell));
    }
    return key;
}

void TTecladoTela::clicked(QAbstractButton *key)
{
    for (const Placed &placed : std::as_const(m_keys)) {
        if (placed.key != key)
            continue;
        const int command = m_group->id(key);
        // Read the caption now: it follows the case.
        platform::Application::guarded([&] {
            if (!placed.character.isNull())
                Q_EMIT characterTyped(key->text().at(0));
            else
                Q_EMIT commandClicked(command, key);
        });
        return;
    }
}

QList<TBlendedButton *> TTecladoTela::keys() const
{
    QList<TBlendedButton *> all;
    all.reserve(m_keys.size());
    for (const Placed &placed : m_keys)
        all.append(placed.key);
    return all;
}

TBlendedButton *TTecladoTela::key(const QString &objectName) const
{
    for (const Placed &placed : m_keys)
        if (placed.key->objectName() == objectName)
            return placed.key;
    return nullptr;
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
    for (const Placed &placed : std::as_const(m_keys)) {
        if (placed.character.isNull() || !placed.character.isLetter())
            continue;
        placed.key->setText(shown(placed.character));
        placed.key->setAccessibleName(placed.key->text());
    }
}

void TTecladoTela::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutKeys();
}

QRect TTecladoTela::cellRect(const KeyDesc::Cell &cell) const
{
    if (m_columns == 0 || m_rows == 0)
        return QRect();
    // Cell edges are spread over the whole width and height so that rounding leaves
    // no ragged right or bottom margin.
    const auto edge = [](int index, int count, int length) { return index * (length + Gap) / count; };
    const int left = edge(cell.column, m_columns, width());
    const int right = edge(cell.column + cell.span, m_columns, width()) - Gap;
    const int top = edge(cell.row, m_rows, height());
    const int bottom = edge(cell.row + 1, m_rows, height()) - Gap;
    return QRect(left, top, right - left, bottom - top);
}

void TTecladoTela::layoutKeys()
{
    for (const Placed &placed : std::as_const(m_keys))
        if (!placed.fixed)
            placed.key->setGeometry(cellRect(placed.cell));
}

} // namespace host
