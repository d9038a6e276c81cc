#pragma once

#include "host/TBlendedButton.h"

#include <QImage>

namespace host {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// Touch key with a caption and a picture. The picture's flat background (the colour
// of its bottom-left pixel) is drawn transparent.
class OBSHOST_EXPORT TBlendedBitBtn : public TBlendedButton
{
    Q_OBJECT

public:
    explicit TBlendedBitBtn(QWidget *parent = nullptr);

    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage &glyph);
    ButtonLayout Layout() const { return m_layout; }
    void SetLayout(ButtonLayout layout);
    // Pixels between picture and caption; negative values move them closer.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_glyph;       // as given
    QImage m_transparent; // background keyed out
    ButtonLayout m_layout = ButtonLayout::GlyphLeft;
    int m_spacing = 4;
};

} // namespace host
