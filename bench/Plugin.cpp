// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "Plugin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLibrary>
#include <QTimer>
#include <QWidget>

namespace bench {

const Plugin &plugin()
{
    static const Plugin loaded = [] {
        Plugin p;
        static QLibrary library(qEnvironmentVariable("OBS_PLUGIN", QStringLiteral(OBS_PLUGIN_FILE)));
        if (!library.load()) {
            p.error = library.errorString();
            return p;
        }
        const auto initialize = reinterpret_cast<observacao::InitializeFn>(library.resolve("Initialize"));
        p.observacaoMod = reinterpret_cast<observacao::ObservacaoModFn>(library.resolve("ObservacaoMod"));
        if (!initialize || !p.observacaoMod) {
            p.error = QStringLiteral("the plug-in lacks its entry points");
            p.observacaoMod = nullptr;
            return p;
        }
        initialize();
        return p;
    }();
    return loaded;
}

void leaveWithEscapeOnceShown()
{
    QTimer::singleShot(0, [] {
        if (QWidget *window = QApplication::activeModalWidget())
            QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        else
            leaveWithEscapeOnceShown();
    });
}

} // namespace bench
