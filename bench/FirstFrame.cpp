// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "FirstFrame.h"

#include "HostSetup.h"
#include "Plugin.h"
#include "StockWindow.h"

#include "host/data/TClientDataSet.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdio>

namespace bench {

FirstFrame::FirstFrame()
{
    QCoreApplication::instance()->installEventFilter(this);
    m_clock.start();
}

FirstFrame::~FirstFrame()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (m_ns < 0 && event->type() == QEvent::Paint && watched->isWidgetType()) {
        m_ns = m_clock.nsecsElapsed();
        QCoreApplication::postEvent(static_cast<QWidget *>(watched)->window(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    return QObject::eventFilter(watched, event);
}

int runFirstFrameChild(const QByteArray &side, int calls)
{
    qint64 first = -1;
    if (side == "module") {
        // What a host does at start-up, before its first call.
        prepareHost();
        const Plugin &p = plugin();
        if (!p.observacaoMod) {
            std::fprintf(stderr, "cannot load the plug-in: %s\n", qUtf8Printable(p.error));
            return 1;
        }
        const auto list = sampleList();
        for (int i = 0; i < calls; ++i) {
            FirstFrame frame;
            p.observacaoMod(list.get(), QStringLiteral("Observação"));
            if (i == 0)
                first = frame.nanoseconds();
        }
        if (messagesShown() != 0) {
            std::fprintf(stderr, "the module showed a message\n");
            return 1;
        }
    } else if (side == "stock") {
        for (int i = 0; i < calls; ++i) {
            FirstFrame frame;
            StockWindow window;
            window.exec();
            if (i == 0)
                first = frame.nanoseconds();
        }
    } else {
        std::fprintf(stderr, "unknown side \"%s\"\n", side.constData());
        return 1;
    }
    if (first < 0) {
        std::fprintf(stderr, "nothing was painted\n");
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(first));
    return 0;
}

} // namespace bench
