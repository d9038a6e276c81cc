#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform::Screen {

namespace {
int g_shape = crDefault;
int g_pushed = 0; // override cursors we pushed and must pop
} // namespace

void setCursor(int shape)
{
    if (shape == g_shape)
        return;
    g_shape = shape;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    while (g_pushed > 0) {
        QGuiApplication::restoreOverrideCursor();
        --g_pushed;
    }
    if (shape == crHourGlass) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++g_pushed;
    }
}

int cursor()
{
    return g_shape;
}

} // namespace platform::Screen
