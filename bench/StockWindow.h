// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QLabel;

namespace bench {

// What an engineer would build instead of the observation window from Qt's stock
// widgets: the same frameless 726 x 480 window, a captioned QPushButton (with its
// picture) for every key, a QLabel for every label and a QFrame for every shape, each
// with the window's font. Keys "1" to "9", "0" and Backspace edit the code label and
// repaint the whole window, as the observation window does on every key.
class StockWindow : public QDialog
{
public:
    StockWindow();

    QString code() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_code = nullptr;
};

} // namespace bench
