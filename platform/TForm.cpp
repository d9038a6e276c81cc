// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/TForm.h"

#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "platform/Screen.h"
#include "platform/WaylandShortcuts.h"
#include "platform/X11Desktop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

namespace platform {

TForm::TForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys, compose sequences and input methods commit their text through
    // inputMethodEvent; without this they are dropped or arrive as bare letters.
    setAttribute(Qt::WA_InputMethodEnabled);
    // A window above that closes without a modal show of its own (a host's window)
    // can leave the focus nowhere, above all without a window manager.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *now) {
        if (!now && isTopModal())
            QTimer::singleShot(0, this, &TForm::reclaimKeyboard);
    });
}

TForm::~TForm()
{
    holdKeyboard(false);
}

int TForm::ShowModal()
{
    // The keyboard is never left held once the show is over, however it ended.
    struct Release
    {
        TForm *form;
        ~Release() { form->holdKeyboard(false); }
    } release {this};
    const Screen::DefaultPointer pointer;
    return exec();
}

bool TForm::isTopModal() const
{
    if (!isVisible())
        return false;
    const QWidget *modal = QApplication::activeModalWidget();
    return !modal || modal == this;
}

void TForm::reclaimKeyboard()
{
    if (!isTopModal())
        return;
    activateWindow();
    X11Desktop::focus(this);
    holdKeyboard(true);
}

void TForm::holdKeyboard(bool hold)
{
    if (hold == m_keyboardHeld)
        return;
    // X11 holds the keyboard itself; a Wayland compositor is asked to keep its bindings off.
    if (hold)
        m_keyboardHeld = X11Desktop::grabKeyboard(this) || WaylandShortcuts::inhibit(this);
    else {
        X11Desktop::releaseKeyboard();
        WaylandShortcuts::release();
        m_keyboardHeld = false;
    }
}

void TForm::showEvent(QShowEvent *e)
{
    // The native window exists but is not mapped yet: the window manager reads the
    // functions it may offer when it maps it.
    X11Desktop::lockWindowFunctions(this);
    QDialog::showEvent(e);
    // A Wayland compositor may map a new window without the keyboard (sway does over a
    // full-screen window); the window asks for it once mapped, with an activation token.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QTimer::singleShot(0, this, [this] {
            if (isTopModal() && !isActiveWindow())
                activateWindow();
        });
}

void TForm::hideEvent(QHideEvent *e)
{
    holdKeyboard(false);
    QDialog::hideEvent(e);
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
        switch (e->type()) {
        case QEvent::WindowActivate: {
            const bool handled = QDialog::event(e);
            if (isTopModal())
                holdKeyboard(true);
            if (OnActivate)
                OnActivate(this);
            return handled;
        }
        // A window shown above takes the keyboard; the grab would starve it.
        case QEvent::WindowBlocked:
        case QEvent::WindowDeactivate:
            holdKeyboard(false);
            break;
        case QEvent::WindowUnblocked:
            QTimer::singleShot(0, this, &TForm::reclaimKeyboard);
            break;
        default:
            break;
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
