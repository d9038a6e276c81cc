#include "host/TBlendedBitBtn.h"

#include <QPainter>

namespace host {

TBlendedBitBtn::TBlendedBitBtn(QWidget *parent)
    : TBlendedButton(parent)
{
}

void TBlendedBitBtn::SetGlyph(const QImage &glyph)
{
    if (glyph == m_glyph)
        return;
    m_glyph = glyph;
    m_transparent = QImage();
    if (!glyph.isNull()) {
        m_transparent = glyph.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = m_transparent.pixel(0, m_transparent.height() - 1) | 0xFF000000u;
        for (int y = 0; y < m_transparent.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_transparent.scanLine(y));
            for (int x = 0; x < m_transparent.width(); ++x)
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = 0;
        }
    }
    update();
}

void TBlendedBitBtn::SetLayout(ButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TBlendedBitBtn::SetSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TBlendedBitBtn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFace(p);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QFontMetrics fm(font());
    const QString caption = text();
    const QSize glyph = m_transparent.isNull() ? QSize() : m_transparent.size();
    const int textW = caption.isEmpty() ? 0 : fm.horizontalAdvance(caption);
    const int textH = caption.isEmpty() ? 0 : fm.height();
    const int gap = (glyph.isEmpty() || caption.isEmpty()) ? 0 : m_spacing;
    QPoint glyphAt;
    QRect textRect;
    const bool vertical = m_layout == ButtonLayout::GlyphTop || m_layout == ButtonLayout::GlyphBottom;
    if (vertical) {
        const int total = glyph.height() + gap + textH;
        const int top = (height() - total) / 2;
        const bool glyphFirst = m_layout == ButtonLayout::GlyphTop;
        const int glyphY = glyphFirst ? top : top + textH + gap;
        const int textY = glyphFirst ? top + glyph.height() + gap : top;
        glyphAt = QPoint((width() - glyph.width()) / 2, glyphY);
        textRect = QRect(0, textY, width(), textH);
    } else {
        const int total = glyph.width() + gap + textW;
        const int left = (width() - total) / 2;
        const bool glyphFirst = m_layout == ButtonLayout::GlyphLeft;
        const int glyphX = glyphFirst ? left : left + textW + gap;
        const int textX = glyphFirst ? left + glyph.width() + gap : left;
        glyphAt = QPoint(glyphX, (height() - glyph.height()) / 2);
        textRect = QRect(textX, 0, textW, height());
    }
    if (!glyph.isEmpty())
        p.drawImage(glyphAt, m_transparent);
    if (!caption.isEmpty()) {
        p.setPen(captionColor());
        p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

} // namespace host
