// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/TBlendedBitBtn.h"

#include "host/controls/KeyRenderings.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// True when some pixels are transparent and others are not: the picture has real
// transparency. All 0 is what a reader makes of a BMP's unused fourth byte.
bool usesAlpha(const QImage &img)
{
    if (!img.hasAlphaChannel())
        return false;
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    bool anyVisible = false;
    bool anyClear = false;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(line[x]);
            anyVisible |= a > 0;
            anyClear |= a < 255;
            if (anyVisible && anyClear)
                return true;
        }
    }
    return false;
}

// How far channel value c lies from the background value k, towards 0 or 255.
double channelAlpha(int c, int k)
{
    if (c > k)
        return (c - k) / (255.0 - k);
    if (c < k)
        return (k - c) / double(k);
    return 0.0;
}

struct Wrapped
{
    QStringList lines;
    qreal indent = 0; // leading blanks when the caption is broken into lines
};

// One line when the caption fits; otherwise broken at its runs of blanks, the blanks
// at each break dropped. Leading blanks then indent the whole block, as they set the
// caption off from the picture. Lines that still do not fit, or do not fit in
// maxLines, end in an ellipsis.
Wrapped wrapCaption(const QString &caption, const QFontMetricsF &fm, qreal room, int maxLines)
{
    Wrapped w;
    if (caption.trimmed().isEmpty())
        return w;
    if (fm.horizontalAdvance(caption) <= room) {
        w.lines << caption;
        return w;
    }
    qsizetype lead = 0;
    while (lead < caption.size() && caption.at(lead) == QLatin1Char(' '))
        ++lead;
    w.indent = fm.horizontalAdvance(caption.left(lead));
    const qreal lineRoom = std::max<qreal>(room - w.indent, 1.0);

    static const QRegularExpression word(QStringLiteral("( *)([^ ]+)"));
    QString line;
    for (auto it = word.globalMatch(caption, lead); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString blanks = m.captured(1);
        const QString text = m.captured(2);
        if (line.isEmpty())
            line = text;
        else if (w.lines.size() + 1 < maxLines && fm.horizontalAdvance(line + blanks + text) > lineRoom) {
            w.lines << line;
            line = text;
        } else {
            line += blanks + text;
        }
    }
    w.lines << line;
    for (QString &l : w.lines)
        l = fm.elidedText(l, Qt::ElideRight, lineRoom);
    return w;
}

} // namespace

TBlendedBitBtn::TBlendedBitBtn(QWidget *parent)
    : TBlendedButton(parent)
{ }

QImage TBlendedBitBtn::backgroundToAlpha(const QImage &glyph)
{
    if (glyph.isNull())
        return QImage();
    if (usesAlpha(glyph))
        return glyph.convertToFormat(QImage::Format_ARGB32);
    // Converting to RGB32 drops a made-up alpha and keeps the colours.
    const QImage opaque = glyph.convertToFormat(QImage::Format_RGB32);
    QImage out(opaque.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(glyph.devicePixelRatio());
    const QRgb key = opaque.pixel(0, opaque.height() - 1);
    const int kr = qRed(key), kg = qGreen(key), kb = qBlue(key);
    for (int y = 0; y < opaque.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
            const double a = std::max({channelAlpha(r, kr), channelAlpha(g, kg), channelAlpha(b, kb)});
            if (a <= 0.0) {
                dst[x] = 0;
                continue;
            }
            // The colour that, laid over the background with alpha a, gives the pixel.
            auto unblend = [a](int c, int k) { return std::clamp(int(std::lround(k + (c - k) / a)), 0, 255); };
            dst[x] = qRgba(unblend(r, kr), unblend(g, kg), unblend(b, kb), int(std::lround(a * 255)));
        }
    }
    return out;
}

void TBlendedBitBtn::SetGlyph(const QImage &glyph)
{
    if (glyph == m_glyph && glyph.devicePixelRatio() == m_glyph.devicePixelRatio())
        return;
    m_glyph = glyph;
    m_transparent = KeyRenderings::keyedOut(glyph);
    lookChanged();
}

void TBlendedBitBtn::SetLayout(ButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    lookChanged();
}

void TBlendedBitBtn::SetSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    lookChanged();
}

TBlendedBitBtn::Placement TBlendedBitBtn::placement() const
{
    Placement out;
    const QFontMetricsF fm(font());
    const QRectF inner = QRectF(rect()).adjusted(Padding, Padding, -Padding, -Padding);
    const QSizeF glyph = m_glyph.isNull() ? QSizeF() : m_glyph.deviceIndependentSize();
    const bool hasGlyph = !glyph.isEmpty();
    const bool vertical = m_layout == ButtonLayout::GlyphTop || m_layout == ButtonLayout::GlyphBottom;
    const qreal lineHeight = fm.height();

    // The caption may close up on the picture as far as its leading blanks reach.
    const QString caption = text();
    qsizetype lead = 0;
    while (lead < caption.size() && caption.at(lead) == QLatin1Char(' '))
        ++lead;
    const qreal leadWidth = fm.horizontalAdvance(caption.left(lead));
    const bool hasCaption = lead < caption.size();
    const qreal gap = (hasGlyph && hasCaption) ? std::max<qreal>(m_spacing, vertical ? 0.0 : -leadWidth) : 0.0;

    const qreal room = vertical || !hasGlyph ? inner.width() : inner.width() - glyph.width() - gap;
    // Lines may use the face's full height; the padding only keeps them off the sides.
    const qreal heightRoom = vertical && hasGlyph ? height() - glyph.height() - gap : height();
    const int maxLines = std::max(1, int(std::floor(heightRoom / lineHeight)));
    const Wrapped wrapped = hasCaption ? wrapCaption(caption, fm, room, maxLines) : Wrapped();

    qreal widest = 0;
    QList<qreal> widths;
    for (const QString &line : wrapped.lines) {
        widths << fm.horizontalAdvance(line);
        widest = std::max(widest, widths.last());
    }
    const QSizeF block(wrapped.lines.isEmpty() ? 0.0 : wrapped.indent + widest, wrapped.lines.size() * lineHeight);

    QPointF glyphAt;
    QPointF textAt;
    if (vertical) {
        const qreal total = glyph.height() + gap + block.height();
        const qreal top = total > inner.height() ? inner.top() : inner.top() + (inner.height() - total) / 2;
        const bool glyphFirst = m_layout == ButtonLayout::GlyphTop;
        glyphAt = QPointF(inner.left() + (inner.width() - glyph.width()) / 2,
                          glyphFirst ? top : top + block.height() + gap);
        textAt = QPointF(inner.left() + (inner.width() - block.width()) / 2,
                         glyphFirst ? top + glyph.height() + gap : top);
    } else {
        const qreal total = glyph.width() + gap + block.width();
        const qreal left = total > inner.width() ? inner.left() : inner.left() + (inner.width() - total) / 2;
        const bool glyphFirst = m_layout == ButtonLayout::GlyphLeft;
        glyphAt = QPointF(glyphFirst ? left : left + block.width() + gap,
                          inner.top() + (inner.height() - glyph.height()) / 2);
        textAt = QPointF(glyphFirst ? left + glyph.width() + gap : left, (height() - block.height()) / 2.0);
    }
    if (hasGlyph)
        out.glyph = QRectF(glyphAt, glyph);
    out.text = QRectF(textAt, block);
    out.lines = wrapped.lines;
    // Lines of a broken caption are centred on one another.
    const qreal lineArea = block.width() - wrapped.indent;
    for (int i = 0; i < wrapped.lines.size(); ++i)
        out.baselines << QPointF(textAt.x() + wrapped.indent + (lineArea - widths.at(i)) / 2,
                                 textAt.y() + i * lineHeight + fm.ascent());
    return out;
}

void TBlendedBitBtn::paintGlyph(QPainter &p, const QRectF &at, qreal ratio) const
{
    // Prepared on every rendering: the key's rendering is what is kept.
    QImage img = m_transparent;
    // A disabled key shows its picture in the disabled caption colour, so that a white
    // drawing stays visible on a light disabled face.
    if (!isEnabled()) {
        QPainter tp(&img);
        tp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tp.fillRect(img.rect(), captionColor());
    }
    const QSize device(qRound(at.width() * ratio), qRound(at.height() * ratio));
    if (img.size() != device)
        img = img.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    img.setDevicePixelRatio(ratio);
    // On whole device pixels, so an unscaled picture stays sharp.
    const QPointF snapped(std::round(at.x() * ratio) / ratio, std::round(at.y() * ratio) / ratio);
    p.drawImage(snapped, img);
}

KeyLook TBlendedBitBtn::look(qreal ratio, qreal deviceRatio) const
{
    KeyLook l = TBlendedButton::look(ratio, deviceRatio);
    l.glyph = m_transparent.isNull() ? 0 : m_transparent.cacheKey();
    l.layout = int(m_layout);
    l.spacing = m_spacing;
    return l;
}

void TBlendedBitBtn::paintKey(QPainter &p, qreal deviceRatio)
{
    paintFace(p);
    const Placement where = placement();
    if (!where.glyph.isEmpty())
        paintGlyph(p, where.glyph, deviceRatio);
    if (where.lines.isEmpty())
        return;
    p.setFont(font());
    p.setPen(captionColor());
    for (int i = 0; i < where.lines.size(); ++i)
        p.drawText(where.baselines.at(i), where.lines.at(i));
}

} // namespace host
