// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>
#include <QDialog>

class QPainter;

namespace host {

// Base of the host's touch windows (the search, the text editor and the message box): a
// frameless window of a fixed size, centred on its screen, white inside a 2-pixel frame,
// locked against the window manager as the observation dialog is (platform::WindowLock).
// Its key handler never lets an exception unwind through Qt's event loop; one is reported
// and the window stays. A window that takes text gets every printable character that
// Windows-1252 holds, typed or composed (dead keys, input methods), through typeCharacter.
class OBSHOST_EXPORT TTouchDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FrameWidth = 2;

    // Runs the window modally with the default pointer shape, restoring the caller's after.
    int showModal();

    // The window a touch window stands over: the running modal dialog, else the active
    // window; may be null.
    static QWidget *workingWindow();
    // What a window shown over parent is about: that window's title, which for the
    // observation dialog is its call's caption ("Observação"). Empty without a parent.
    static QString subjectOf(const QWidget *parent);

protected:
    enum class Input { Keys, Text };

    TTouchDialog(QWidget *parent, const QString &name, QSize size, const QColor &frame, Input input);

    // A key pressed, other than Escape, which rejects the window. False leaves it to be
    // typed (Input::Text) or ignored (Input::Keys).
    virtual bool handleKey(QKeyEvent *event) = 0;
    virtual void typeCharacter(QChar c);
    // Paints over the white face and its frame.
    virtual void paintContent(QPainter &p) = 0;

    void keyPressEvent(QKeyEvent *event) final;
    void inputMethodEvent(QInputMethodEvent *event) final;
    void paintEvent(QPaintEvent *event) final;

private:
    QColor m_frame;
    Input m_input;
};

} // namespace host
