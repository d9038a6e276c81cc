#include "platform/TLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace platform {

TLabel::TLabel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLabel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    adjustToText();
    update();
}

void TLabel::SetAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    adjustToText();
    update();
}

void TLabel::SetWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    adjustToText();
    update();
}

void TLabel::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    update();
}

void TLabel::SetColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TLabel::SetFontColor(const QColor &color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustToText();
    QWidget::changeEvent(event);
}

void TLabel::adjustToText()
{
    if (!m_autoSize || m_wordWrap)
        return;
    const QFontMetrics fm(font());
    const int w = m_caption.isEmpty() ? EmptyAutoWidth : fm.horizontalAdvance(m_caption);
    resize(w, fm.height());
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);
    if (m_caption.isEmpty())
        return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(m_fontColor);
    p.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    p.drawText(rect(), flags, m_caption);
}

} // namespace platform
