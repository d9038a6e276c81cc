// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The touch keys' shared renderings live with the application that drew them. A host may
// end its application and make another; a pixmap of the first must not reach the second.
// Its own program, since every other test program keeps one application for its run.
#include "host/controls/KeyRenderings.h"
#include "host/controls/TBlendedButton.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace {

host::KeyLook sampleLook()
{
    host::KeyLook look;
    look.size = QSize(40, 30);
    look.face = QColor(118, 118, 118);
    look.caption = Qt::white;
    look.text = QStringLiteral("Sair");
    return look;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const host::KeyLook look = sampleLook();
    for (int round = 1; round <= 2; ++round) {
        QApplication app(argc, argv);
        if (!host::KeyRenderings::find(look).isNull()) {
            std::fprintf(stderr, "application %d found a rendering kept from an earlier application\n", round);
            return 1;
        }
        QPixmap rendering(look.size);
        rendering.fill(look.face);
        host::KeyRenderings::insert(look, rendering);
        // A real key draws through the same store: it must work in every application.
        host::TBlendedButton key;
        key.resize(80, 60);
        key.setText(QStringLiteral("1"));
        if (key.grab().isNull() || host::KeyRenderings::find(look).isNull()) {
            std::fprintf(stderr, "application %d kept no rendering\n", round);
            return 1;
        }
    }
    return 0;
}
