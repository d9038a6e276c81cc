#include "host/TBlendedButton.h"

#include "platform/Application.h"

#include <QPainter>

namespace host {

namespace {
constexpr qreal kRadius = 6.0;
}

TBlendedButton::TBlendedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnClick)
            platform::Application::guarded([this] { OnClick(this); });
    });
}

void TBlendedButton::setColorMember(QColor &member, const QColor &c)
{
    if (member == c)
        return;
    member = c;
    update();
}

void TBlendedButton::SetColor(const QColor &c) { setColorMember(m_color, c); }
void TBlendedButton::SetFontColor(const QColor &c) { setColorMember(m_fontColor, c); }
void TBlendedButton::SetDownColor(const QColor &c) { setColorMember(m_downColor, c); }
void TBlendedButton::SetDownFontColor(const QColor &c) { setColorMember(m_downFontColor, c); }
void TBlendedButton::SetDisabledColor(const QColor &c) { setColorMember(m_disabledColor, c); }
void TBlendedButton::SetDisabledFontColor(const QColor &c) { setColorMember(m_disabledFontColor, c); }

QColor TBlendedButton::faceColor() const
{
    if (!isEnabled())
        return m_disabledColor;
    return isDown() ? m_downColor : m_color;
}

QColor TBlendedButton::captionColor() const
{
    if (!isEnabled())
        return m_disabledFontColor;
    return isDown() ? m_downFontColor : m_fontColor;
}

QSize TBlendedButton::sizeHint() const
{
    return QSize(60, 53);
}

void TBlendedButton::paintFace(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(faceColor());
    p.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
}

void TBlendedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFace(p);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(captionColor());
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace host
