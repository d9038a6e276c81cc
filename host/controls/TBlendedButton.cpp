// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/TBlendedButton.h"

#include "host/controls/KeyRenderings.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace host {

TBlendedButton::TBlendedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TBlendedButton::lookChanged()
{
    m_shown = QPixmap();
    update();
}

void TBlendedButton::changeEvent(QEvent *event)
{
    // Font, enabled state, layout direction and the like; the look decides at paint
    // time whether the pixels change.
    m_shown = QPixmap();
    QAbstractButton::changeEvent(event);
}

void TBlendedButton::resizeEvent(QResizeEvent *event)
{
    m_shown = QPixmap();
    QAbstractButton::resizeEvent(event);
}

void TBlendedButton::setColorMember(QColor &member, const QColor &c)
{
    if (member == c)
        return;
    member = c;
    lookChanged();
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

KeyLook TBlendedButton::look(qreal ratio, qreal deviceRatio) const
{
    KeyLook l;
    l.kind = metaObject();
    l.size = size();
    l.ratio = ratio;
    l.deviceRatio = deviceRatio;
    l.font = font();
    // Only a font sized in points depends on the resolution; asking for it costs.
    if (l.font.pixelSize() <= 0) {
        l.dpiX = logicalDpiX();
        l.dpiY = logicalDpiY();
    }
    l.enabled = isEnabled();
    l.down = isDown();
    l.face = faceColor();
    l.caption = captionColor();
    l.text = text();
    l.direction = layoutDirection();
    return l;
}

QPixmap TBlendedButton::rendering(const KeyLook &look)
{
    QPixmap pixmap = KeyRenderings::find(look);
    if (!pixmap.isNull())
        return pixmap;
    const QPointF phase(look.phaseX / 64.0, look.phaseY / 64.0);
    QImage img(QSize(int(std::ceil(phase.x() + look.size.width() * look.ratio)),
                     int(std::ceil(phase.y() + look.size.height() * look.ratio))),
               QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        return pixmap;
    img.fill(Qt::transparent);
    img.setDevicePixelRatio(look.ratio);
    // Fonts given in points resolve by the device's resolution: the widget's, not an image's.
    if (look.dpiX > 0 && look.dpiY > 0) {
        img.setDotsPerMeterX(qRound(look.dpiX / 0.0254));
        img.setDotsPerMeterY(qRound(look.dpiY / 0.0254));
    }
    {
        QPainter p(&img);
        p.setLayoutDirection(look.direction);
        p.translate(phase / look.ratio);
        paintKey(p, look.deviceRatio);
    }
    pixmap = QPixmap::fromImage(std::move(img));
    KeyRenderings::insert(look, pixmap);
    return pixmap;
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

void TBlendedButton::paintKey(QPainter &p, qreal)
{
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

void TBlendedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal deviceRatio = p.device()->devicePixelRatioF();
    // A cached rendering fits a device that only scales, equally both ways (the screen,
    // or an image of another pixel ratio); anything else is drawn directly.
    const QTransform t = p.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) {
        paintKey(p, deviceRatio);
        return;
    }
    const qreal ratio = t.m11();
    KeyLook now = look(ratio, deviceRatio);
    // The rendering carries the key's offset within its first device pixel and is laid
    // on whole pixels, so its antialiased edges match a key drawn in place.
    const auto phaseOf = [](qreal device) {
        const int in64ths = qRound((device - std::floor(device)) * 64);
        return in64ths == 64 ? 0 : in64ths;
    };
    now.phaseX = phaseOf(t.dx());
    now.phaseY = phaseOf(t.dy());
    if (m_shown.isNull() || !(now == m_shownLook)) {
        m_shown = rendering(now);
        m_shownLook = now;
    }
    const QPointF whole(std::round(t.dx() - now.phaseX / 64.0), std::round(t.dy() - now.phaseY / 64.0));
    p.drawPixmap(QPointF((whole.x() - t.dx()) / ratio, (whole.y() - t.dy()) / ratio), m_shown);
}

} // namespace host
