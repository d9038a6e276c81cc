// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"
#include "platform/KeyMap.h"

#include <QColor>
#include <QDialog>
#include <functional>

namespace platform {

class WindowLock;

// Form base class: a frameless dialog that turns Qt's events into the window events
// the handlers expect. Handlers are assignable, as events of the home platform are.
class OBSHOST_EXPORT TForm : public QDialog
{
    Q_OBJECT

public:
    using NotifyEvent = std::function<void(QObject *sender)>;
    // key is a virtual-key code; setting it to 0 cancels the key.
    using KeyDownEvent = std::function<void(QObject *sender, quint16 &key, ShiftState shift)>;
    // key is one Windows-1252 character; setting it to '\0' cancels it.
    using KeyPressEvent = std::function<void(QObject *sender, char &key)>;

    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    NotifyEvent OnCreate;
    NotifyEvent OnActivate;
    NotifyEvent OnClose;
    KeyDownEvent OnKeyDown;
    KeyPressEvent OnKeyPress;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &caption) { setWindowTitle(caption); }

    // Shows the window modally and returns when it has closed. The screen pointer
    // shows its default shape while the window is up and is restored afterwards.
    int ShowModal();
    // Ends the modal show once the running handler has returned, after OnClose.
    void Close();
    // Paints the window now.
    void Repaint();

    // The colour of the window's client area under its controls. The window paints it
    // itself rather than through a palette of its own, which every control would
    // otherwise have to resolve and compare against its own as it is added.
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);

    // Fires OnCreate; a derived form calls it once its controls exist.
    void DoCreate();

    // Delivers a key as the platform does: key down, then (unless the key leaves
    // the window closing) the character. Used by the key event path and by tests.
    void deliverKey(quint16 key, ShiftState shift, std::optional<char> character);

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    WindowLock *m_lock;
    QColor m_color;
};

} // namespace platform
