// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/TTouchDialog.h"

#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "platform/KeyMap.h"
#include "platform/Painting.h"
#include "platform/Screen.h"
#include "platform/WindowLock.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

namespace host {

TTouchDialog::TTouchDialog(QWidget *parent, const QString &name, QSize size, const QColor &frame, Input input)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_frame(frame)
    , m_input(input)
{
    setObjectName(name);
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and input methods commit composed letters through inputMethodEvent.
    if (input == Input::Text)
        setAttribute(Qt::WA_InputMethodEnabled);
    platform::Screen::centre(this);
    // Protected as the window it stands over: no manager key may hide or move it.
    platform::WindowLock::attach(this);
}

int TTouchDialog::showModal()
{
    const platform::Screen::DefaultPointer pointer;
    return exec();
}

QWidget *TTouchDialog::workingWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString TTouchDialog::subjectOf(const QWidget *parent)
{
    return parent ? parent->windowTitle().simplified() : QString();
}

void TTouchDialog::typeCharacter(QChar) { }

void TTouchDialog::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    platform::Application::guarded([this, event] {
        if (event->key() == Qt::Key_Escape) {
            reject(); // leaves every touch window
            return;
        }
        if (platform::isDesktopChord(*event))
            return;
        if (handleKey(event))
            return;
        if (m_input == Input::Keys)
            event->ignore();
        else if (const std::optional<QChar> c = platform::typedPrintable(*event))
            typeCharacter(*c);
    });
}

void TTouchDialog::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
    // Keys typed before the composed letter go in first.
    platform::Application::deliverQueuedKeys();
    // Composed letters are entered as typed ones are.
    const QString text = event->commitString();
    platform::Application::guarded([this, &text] {
        for (const QChar c : text) {
            if (c.isPrint() && platform::toAnsi(c))
                typeCharacter(c);
        }
    });
}

void TTouchDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    platform::drawFrame(p, rect(), m_frame, FrameWidth);
    paintContent(p);
}

} // namespace host
