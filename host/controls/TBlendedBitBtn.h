// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/TBlendedButton.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QStringList>

namespace host {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// Touch key with a caption and a picture. The picture's flat background (the colour
// of its bottom-left pixel) is drawn transparent, so the face shows through it; the
// picture and caption are centred together, a caption too wide for one line breaks
// at its blanks.
class OBSHOST_EXPORT TBlendedBitBtn : public TBlendedButton
{
    Q_OBJECT

public:
    // Where the key's drawing puts things, in logical pixels.
    struct Placement
    {
        QRectF glyph; // empty without a picture
        QStringList lines; // caption lines, top to bottom
        QList<QPointF> baselines; // left end of each line's baseline
        QRectF text; // the caption block
    };

    explicit TBlendedBitBtn(QWidget *parent = nullptr);

    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage &glyph);
    ButtonLayout Layout() const { return m_layout; }
    void SetLayout(ButtonLayout layout);
    // Pixels between picture and caption; negative values move them closer, but
    // never so far that the caption's letters run into the picture.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

    Placement placement() const;

    // The picture with its background colour turned into transparency. Pixels that
    // lie between the background and a drawing colour (antialiased edges) become
    // that colour, partly transparent, so they blend with any face colour. A picture
    // that carries real transparency of its own is taken as it is.
    static QImage backgroundToAlpha(const QImage &glyph);

protected:
    KeyLook look(qreal ratio, qreal deviceRatio) const override;
    void paintKey(QPainter &p, qreal deviceRatio) override;

private:
    void paintGlyph(QPainter &p, const QRectF &at, qreal deviceRatio) const;

    QImage m_glyph; // as given
    // Background keyed out, premultiplied; shared by the keys given the same picture.
    QImage m_transparent;
    ButtonLayout m_layout = ButtonLayout::GlyphLeft;
    int m_spacing = 4;
};

} // namespace host
