// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/TForm.h"

#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "platform/Screen.h"
#include "platform/WindowLock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace platform {

TForm::TForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys, compose sequences and input methods commit their text through
    // inputMethodEvent; without this they are dropped or arrive as bare letters.
    setAttribute(Qt::WA_InputMethodEnabled);
    // Until the native window exists every child's font asks which screen the window is
    // on, and Qt answers by searching the screens each time. The answer cannot change
    // while the window is built, so it is taken once; the native window still follows
    // wherever the window is then moved.
    setScreen(screen());
    // The window and every window the call opens above it stay with the operator.
    m_lock = WindowLock::attach(this);
    m_lock->coverWindowsAbove();
}

TForm::~TForm() = default;

int TForm::ShowModal()
{
    // The keyboard is never left held once the show is over, however it ended.
    struct Release
    {
        WindowLock *lock;
        ~Release() { lock->releaseKeyboard(); }
    } release {m_lock};
    const Screen::DefaultPointer pointer;
    return exec();
}

void TForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // A Wayland compositor may map a new window without the keyboard (sway does over a
    // full-screen window); the window asks for it once mapped, with an activation token.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QTimer::singleShot(0, this, [this] {
            if (m_lock->isTopWindow() && !isActiveWindow())
                activateWindow();
        });
}

void TForm::Close()
{
    // QDialog::done ends exec() after the running handler returns to the loop.
    close();
}

void TForm::Repaint()
{
    repaint();
}

void TForm::SetColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    // An invalid colour gives the area back to the palette, as any dialog.
    setAttribute(Qt::WA_OpaquePaintEvent, m_color.isValid());
    update();
}

void TForm::paintEvent(QPaintEvent *e)
{
    if (!m_color.isValid()) {
        QDialog::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.fillRect(e->rect(), m_color);
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

bool TForm::event(QEvent *e)
{
    // A handler's exception is shown here and goes no further: it must never
    // unwind through Qt's event loop. The window stays open.
    try {
        if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) {
            // Qt would hand the event on to every control, so that one drawn in the
            // palette's inactive colours repaints. A form's controls are drawn in colours
            // of their own, and the whole window repaints on activation anyway; handing
            // it to fifty controls on every show and close is only work.
            if (isVisible() && !palette().isEqual(QPalette::Active, QPalette::Inactive))
                update();
            if (e->type() == QEvent::WindowActivate && OnActivate)
                OnActivate(this);
            return true;
        }
        return QDialog::event(e);
    } catch (...) {
        Application::handleException(std::current_exception());
        return true;
    }
}

void TForm::deliverKey(quint16 key, ShiftState shift, std::optional<char> character)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    // The home platform closes a window on Alt+F4 that its key-down handler left alone.
    if (key == vk::F4 && shift.testFlag(ShiftFlag::Alt)) {
        Close();
        return;
    }
    if (character && OnKeyPress) {
        char c = *character;
        OnKeyPress(this, c);
    }
}

void TForm::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    if (isDesktopChord(*e))
        return;
    deliverKey(virtualKey(*e), shiftState(e->modifiers(), QApplication::mouseButtons()), typedCharacter(*e));
}

void TForm::inputMethodEvent(QInputMethodEvent *e)
{
    e->accept();
    // Keys typed before the composed character go in first.
    Application::deliverQueuedKeys();
    // A committed character obeys the rules of a typed one; characters outside
    // Windows-1252 are dropped as they are from the keyboard.
    for (const QChar c : e->commitString()) {
        const std::optional<char> ansi = toAnsi(c);
        if (ansi && OnKeyPress) {
            char key = *ansi;
            OnKeyPress(this, key);
        }
    }
}

void TForm::closeEvent(QCloseEvent *e)
{
    if (OnClose)
        OnClose(this);
    QDialog::closeEvent(e);
}

} // namespace platform
