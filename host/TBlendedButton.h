#pragma once

#include "platform/Export.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <functional>

class QPainter;

namespace host {

// Touch key with a caption, custom-painted as an antialiased rounded rectangle.
// Its face and caption take the pressed colours while it is held down and the
// disabled colours while it is disabled. Never takes focus; a click calls OnClick
// with the key as sender. An exception from the handler is shown to the operator
// and goes no further.
//
// A key's rendering is kept as a pixmap, shared through QPixmapCache by every key
// that looks the same, so a repaint of a whole keyboard is one blit per key.
class OBSHOST_EXPORT TBlendedButton : public QAbstractButton
{
    Q_OBJECT

public:
    using NotifyEvent = std::function<void(QObject *sender)>;

    // Corner radius of the face, in logical pixels.
    static constexpr qreal CornerRadius = 7.0;
    // Room kept free between the face's edge and its contents.
    static constexpr qreal Padding = 4.0;

    explicit TBlendedButton(QWidget *parent = nullptr);

    NotifyEvent OnClick;

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    QColor Color() const { return m_color; }
    void SetColor(const QColor &c);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &c);
    QColor DownColor() const { return m_downColor; }
    void SetDownColor(const QColor &c);
    QColor DownFontColor() const { return m_downFontColor; }
    void SetDownFontColor(const QColor &c);
    QColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(const QColor &c);
    QColor DisabledFontColor() const { return m_disabledFontColor; }
    void SetDisabledFontColor(const QColor &c);

    // Face and caption colours for the current state (disabled, pressed or normal).
    QColor faceColor() const;
    QColor captionColor() const;

    QSize sizeHint() const override;

protected:
    // Everything a key's pixels depend on. Keys with equal looks draw the same pixels,
    // so the look names the cached rendering.
    struct Look
    {
        const QMetaObject *kind = nullptr; // a picture key lays out its caption differently
        QSize size;
        qreal ratio = 1; // device pixels per logical pixel
        // The paint device's own pixel ratio, which a picture is prepared at; less than
        // ratio when rendering into a painter that scales.
        qreal deviceRatio = 1;
        // Where the key starts within its first device pixel, in 64ths (the raster
        // engine's precision): at fractional scales a key's edges fall between pixels.
        int phaseX = 0;
        int phaseY = 0;
        // Logical resolution, which only a font sized in points depends on; 0 otherwise.
        int dpiX = 0;
        int dpiY = 0;
        bool enabled = true;
        bool down = false;
        QColor face;
        QColor caption;
        QString text;
        QFont font;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        qint64 glyph = 0; // the drawn picture's cacheKey, 0 without one
        int layout = 0;
        int spacing = 0;

        bool operator==(const Look &) const = default;
        QString cacheKey() const;
    };

    void paintEvent(QPaintEvent *event) override;
    // The look at the given pixel ratios; keys that draw more add to it.
    virtual Look look(qreal ratio, qreal deviceRatio) const;
    // Draws the whole key in logical pixels; paintEvent shows it through the cache. A
    // picture is prepared at deviceRatio.
    virtual void paintKey(QPainter &p, qreal deviceRatio);
    // Draws the rounded face; shared by the keys that add a picture.
    void paintFace(QPainter &p) const;

private:
    void setColorMember(QColor &member, const QColor &c);
    QPixmap rendering(const Look &look);

    int m_tag = 0;
    QColor m_color = QColor(128, 128, 128);
    QColor m_fontColor = Qt::white;
    QColor m_downColor = Qt::black;
    QColor m_downFontColor = Qt::white;
    QColor m_disabledColor = QColor(128, 128, 128);
    QColor m_disabledFontColor = QColor(192, 192, 192);

    // What this key showed last, so an unchanged key needs no cache lookup.
    Look m_shownLook;
    QPixmap m_shown;
};

} // namespace host
