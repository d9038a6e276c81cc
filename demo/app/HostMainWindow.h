// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QMainWindow>

namespace demo {

// The demo host's own window for --host-window: a main window over the whole screen, as
// a point-of-sale program has, over which the module's calls are made.
class HostMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HostMainWindow(QWidget *parent = nullptr);

    // Shows the window over the whole screen and waits (bounded) until it has the keyboard.
    bool present();
    // Waits until the window has the keyboard, at most limitMs; true when it has.
    bool waitUntilActive(int limitMs);

    // Its background, which a screenshot tells from the module's windows.
    static constexpr QRgb Background = 0xFF1E5A78;
};

} // namespace demo
