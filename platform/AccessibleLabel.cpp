// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/AccessibleLabel.h"

#include "platform/TLabel.h"

#include <QFontMetrics>

namespace platform {

namespace {

QAccessibleInterface *labelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TLabel::staticMetaObject.className()))
        if (auto *label = qobject_cast<TLabel *>(object))
            return new AccessibleLabel(label);
    return nullptr;
}

} // namespace

AccessibleLabel::AccessibleLabel(TLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{ }

void AccessibleLabel::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    (void)installed;
}

TLabel *AccessibleLabel::label() const
{
    return static_cast<TLabel *>(widget());
}

QString AccessibleLabel::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? label()->Caption() : name;
    }
    return QAccessibleWidget::text(t);
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString AccessibleLabel::plainText() const
{
    return label()->Caption();
}

// Single-line labels only: where a wrapped label breaks its lines is the painter's.
QRect AccessibleLabel::characterRect(int offset) const
{
    const QString caption = label()->Caption();
    if (label()->WordWrap() || offset < 0 || offset >= caption.size())
        return QRect();
    const QFontMetrics fm(label()->font());
    const int left = fm.horizontalAdvance(caption.left(offset));
    const QRect local(left, 0, fm.horizontalAdvance(caption.at(offset)), fm.height());
    return QRect(label()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleLabel::offsetAtPoint(const QPoint &point) const
{
    const QString caption = label()->Caption();
    if (label()->WordWrap())
        return -1;
    const QPoint local = label()->mapFromGlobal(point);
    if (!label()->rect().contains(local))
        return -1;
    const QFontMetrics fm(label()->font());
    for (int i = 0; i < caption.size(); ++i)
        if (fm.horizontalAdvance(caption.left(i + 1)) > local.x())
            return i;
    return -1;
}

} // namespace platform
