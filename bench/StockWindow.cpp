// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "StockWindow.h"

#include "dialog/WindowDescription.h"
#include "dialog/resources/Resources.h"

#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace bench {

namespace {

QFont fontOf(const dialog::ControlDesc &d)
{
    QFont font(QString::fromLatin1(d.font.family));
    font.setPixelSize(d.font.pixelSize);
    font.setBold(d.font.bold);
    return font;
}

} // namespace

StockWindow::StockWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(dialog::kClientWidth, dialog::kClientHeight);
    setWindowTitle(QString::fromUtf8(dialog::kWindowCaption));
    for (const dialog::ControlDesc &d : dialog::windowControls()) {
        QWidget *control = nullptr;
        switch (d.cls) {
        case dialog::ControlClass::TShape:
        case dialog::ControlClass::TBlendedShape: {
            auto *frame = new QFrame(this);
            frame->setFrameShape(QFrame::Box);
            control = frame;
            break;
        }
        case dialog::ControlClass::TLabel: {
            auto *label = new QLabel(QString::fromUtf8(d.caption), this);
            label->setWordWrap(d.wordWrap);
            if (QByteArray(d.name) == "lblInformacao")
                m_code = label;
            control = label;
            break;
        }
        case dialog::ControlClass::TBlendedButton:
        case dialog::ControlClass::TBlendedBitBtn: {
            auto *button = new QPushButton(QString::fromUtf8(d.caption), this);
            button->setFocusPolicy(Qt::NoFocus);
            if (d.glyph)
                button->setIcon(QIcon(resources::glyphPath(d.glyph)));
            control = button;
            break;
        }
        }
        control->setObjectName(QString::fromLatin1(d.name));
        control->setGeometry(d.bounds);
        if (d.font.family)
            control->setFont(fontOf(d));
        if (d.autoSize)
            control->adjustSize();
    }
}

QString StockWindow::code() const
{
    return m_code ? m_code->text() : QString();
}

void StockWindow::keyPressEvent(QKeyEvent *event)
{
    if (!m_code) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        m_code->setText(m_code->text() + QChar(u'0' + (key - Qt::Key_0)));
    else if (key == Qt::Key_Backspace)
        m_code->setText(m_code->text().chopped(qMin<qsizetype>(1, m_code->text().size())));
    else {
        QDialog::keyPressEvent(event);
        return;
    }
    m_code->adjustSize();
    update();
}

} // namespace bench
