#include "platform/TForm.h"

#include "platform/Application.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace platform {

TForm::TForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFocusPolicy(Qt::StrongFocus);
}

TForm::~TForm() = default;

int TForm::ShowModal()
{
    const int saved = Screen::cursor();
    Screen::setCursor(Screen::crDefault);
    const int code = exec();
    Screen::setCursor(saved);
    return code;
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
        if (e->type() == QEvent::WindowActivate) {
            const bool handled = QDialog::event(e);
            if (OnActivate)
                OnActivate(this);
            return handled;
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

void TForm::closeEvent(QCloseEvent *e)
{
    if (OnClose)
        OnClose(this);
    QDialog::closeEvent(e);
}

} // namespace platform
