#include "host/Trad.h"

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
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (auto *label = qobject_cast<platform::TLabel *>(child))
            label->SetCaption(tr(label->Caption()));
        else if (auto *button = qobject_cast<QAbstractButton *>(child))
            button->setText(tr(button->text()));
    }
}

} // namespace host
