// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/Trad.h"

#include "host/services/TMessages.h"
#include "platform/TLabel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

namespace host {

void Trad(QWidget *window)
{
    if (!window)
        return;
    const QByteArray context = window->metaObject()->className();
    const auto tr = [&](const QString &text) {
        if (text.isEmpty())
            return text;
        return QCoreApplication::translate(context.constData(), text.toUtf8().constData());
    };
    window->setWindowTitle(tr(window->windowTitle()));
    // A name taken from the caption follows it; a name of its own is translated itself.
    // A name left as it was is not set again: each setting is an event for assistive
    // technology, which would hear of every control of every window created.
    const auto retitle = [&](QWidget *control, const QString &before, const QString &after) {
        const QString name = control->accessibleName();
        const QString next = !before.isEmpty() && name == before.simplified() ? after.simplified() : tr(name);
        if (next != name)
            control->setAccessibleName(next);
    };
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (auto *label = qobject_cast<platform::TLabel *>(child)) {
            const QString before = label->Caption();
            label->SetCaption(tr(before));
            retitle(label, before, label->Caption());
        } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            const QString before = button->text();
            button->setText(tr(before));
            retitle(button, before, button->text());
        }
    }
    // Catalogue lines are translated whole; a translation that lost its key would make
    // Msg fail, so such a line keeps its source text.
    const auto catalogues = window->findChildren<TMessages *>();
    for (TMessages *catalogue : catalogues) {
        for (QString &line : catalogue->Messages) {
            const QString translated = tr(line);
            const qsizetype bar = line.indexOf(u'|');
            if (bar >= 0 && translated.startsWith(QStringView(line).left(bar + 1)))
                line = translated;
        }
    }
}

} // namespace host
