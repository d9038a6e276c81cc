// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/MessageText.h"

#include "platform/AccessibleText.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace host {

namespace {

class AccessibleMessageText : public QAccessibleWidget, public platform::AccessibleText
{
public:
    explicit AccessibleMessageText(MessageText *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return plainText();
        return QAccessibleWidget::text(t);
    }
    using AccessibleText::text;

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString plainText() const override { return static_cast<QLabel *>(widget())->text(); }
};

QAccessibleInterface *messageTextFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(MessageText::staticMetaObject.className()))
        if (auto *label = qobject_cast<MessageText *>(object))
            return new AccessibleMessageText(label);
    return nullptr;
}

} // namespace

MessageText::MessageText(QWidget *parent)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(messageTextFactory);
        return true;
    }();
    (void)installed;
}

void MessageText::setMessage(const QString &text)
{
    const QString old = QLabel::text();
    setText(text);
    QAccessibleTextUpdateEvent changed(this, 0, old, text);
    QAccessible::updateAccessibility(&changed);
}

} // namespace host
