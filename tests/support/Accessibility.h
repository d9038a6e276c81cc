// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

class QObject;

// What the accessibility tests read and record: the events Qt hands on while the
// platform's accessibility is active, and the trees of interfaces.

struct Seen
{
    QAccessible::Event type;
    QAccessibleInterface *iface; // the interface the event is about (a child's, if it names one)
    int position = -1;
    QString removed;
    QString inserted;
};

// Records every accessibility event while it lives. Qt hands events on only while the
// platform's accessibility is active, as it is once a client has asked: here, as if one had.
class Events
{
public:
    Events();
    ~Events();
    Events(const Events &) = delete;
    Events &operator=(const Events &) = delete;

    QList<Seen> of(QAccessible::Event type) const;
    void clear();

private:
    QAccessible::UpdateHandler m_previous;
};

QAccessibleInterface *ifaceOf(QObject *o);
// The whole text through the text interface.
QString allText(QAccessibleInterface *iface);
// The first of a role and name in the tree below parent.
QAccessibleInterface *findChild(QAccessibleInterface *parent, QAccessible::Role role, const QString &name);
