// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace host {
class TTecladoTela;
}

namespace dialog {

// Makes the observation window's controls from its description (WindowDescription):
// the shapes and labels as the window's children, then every key on one keyboard panel
// that covers the whole client area. The keys come after every shape and label in the
// description, so the panel keeps their stacking order and, lying at the window's
// origin, their coordinates. A press beside the keys goes on to the window.
class WindowBuilder
{
public:
    struct Controls
    {
        QHash<QString, QWidget *> byName; // every control of the description
        host::TTecladoTela *keyboard = nullptr;
    };

    static Controls build(QWidget &window);
};

} // namespace dialog
