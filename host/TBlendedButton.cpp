#include "host/TBlendedButton.h"

#include "platform/Application.h"

#include <QFontMetricsF>
#include <QPainter>

namespace host {

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

void TBlendedButton::SetColor(const QColor &c)
{
    setColorMember(m_color, c);
}
void TBlendedButton::SetFontColor(const QColor &c)
{
    setColorMember(m_fontColor, c);
}
void TBlendedButton::SetDownColor(const QColor &c)
{
    setColorMember(m_downColor, c);
}
void TBlendedButton::SetDownFontColor(const QColor &c)
{
    setColorMember(m_downFontColor, c);
}
void TBlendedButton::SetDisabledColor(const QColor &c)
{
    setColorMember(m_disabledColor, c);
}
void TBlendedButton::SetDisabledFontColor(const QColor &c)
{
    setColorMember(m_disabledFontColor, c);
}

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
    // Narrow keys keep proper half-round ends rather than a radius wider than they are.
    const qreal radius = qMin(CornerRadius, qMin(width(), height()) / 2.0);
    p.drawRoundedRect(QRectF(rect()), radius, radius);
}

void TBlendedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFace(p);
    const QString caption = text();
    if (caption.isEmpty())
        return;
    p.setFont(font());
    p.setPen(captionColor());
    // A caption too long for its key ends in an ellipsis instead of being cut off at
    // the rounded edge. Trailing blanks count, so centring is by the caption as given.
    const QRectF area = QRectF(rect()).adjusted(Padding, 0, -Padding, 0);
    const QString shown = QFontMetricsF(font()).elidedText(caption, Qt::ElideRight, area.width());
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextIncludeTrailingSpaces, shown);
}

} // namespace host
