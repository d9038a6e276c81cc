// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "support/Accessibility.h"

#include <QAccessibleTextInterface>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QList<Seen> &seen()
{
    static QList<Seen> s;
    return s;
}

void record(QAccessibleEvent *e)
{
    Seen s {e->type(), e->accessibleInterface(), -1, {}, {}};
    switch (e->type()) {
    case QAccessible::TextInserted: {
        auto *t = static_cast<QAccessibleTextInsertEvent *>(e);
        s.position = t->changePosition();
        s.inserted = t->textInserted();
        break;
    }
    case QAccessible::TextRemoved: {
        auto *t = static_cast<QAccessibleTextRemoveEvent *>(e);
        s.position = t->changePosition();
        s.removed = t->textRemoved();
        break;
    }
    case QAccessible::TextUpdated: {
        auto *t = static_cast<QAccessibleTextUpdateEvent *>(e);
        s.position = t->changePosition();
        s.removed = t->textRemoved();
        s.inserted = t->textInserted();
        break;
    }
    case QAccessible::TextCaretMoved:
        s.position = static_cast<QAccessibleTextCursorEvent *>(e)->cursorPosition();
        break;
    default:
        break;
    }
    seen().append(s);
}

QPlatformAccessibility *platformAccessibility()
{
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
}

} // namespace

Events::Events()
    : m_previous(QAccessible::installUpdateHandler(record))
{
    platformAccessibility()->setActive(true);
    seen().clear();
}

Events::~Events()
{
    platformAccessibility()->setActive(false);
    QAccessible::installUpdateHandler(m_previous);
}

QList<Seen> Events::of(QAccessible::Event type) const
{
    QList<Seen> found;
    for (const Seen &s : std::as_const(seen()))
        if (s.type == type)
            found.append(s);
    return found;
}

void Events::clear()
{
    seen().clear();
}

QAccessibleInterface *ifaceOf(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString allText(QAccessibleInterface *iface)
{
    return iface->textInterface()->text(0, iface->textInterface()->characterCount());
}

// The first of a role and name in the tree below parent.
QAccessibleInterface *findChild(QAccessibleInterface *parent, QAccessible::Role role, const QString &name)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *c = parent->child(i);
        if (!c)
            continue;
        if (c->role() == role && c->text(QAccessible::Name) == name)
            return c;
        if (QAccessibleInterface *below = findChild(c, role, name))
            return below;
    }
    return nullptr;
}
