// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/KeyLook.h"
#include "platform/Export.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>

class QPainter;

namespace host {

// Touch key with a caption, custom-painted as an antialiased rounded rectangle.
// Its face and caption take the pressed colours while it is held down and the
// disabled colours while it is disabled. Never takes focus; a press is reported by
// QAbstractButton's signals (keyboards report theirs through TTecladoTela).
//
// A key's pixels are named by its KeyLook. The key keeps the look it showed last and
// that rendering; a paint whose look differs renders again, or takes the rendering of a
// key that looked the same from KeyRenderings, so a repaint of a whole keyboard is one
// blit per key. Setters, changeEvent and resizeEvent drop the kept rendering.
class OBSHOST_EXPORT TBlendedButton : public QAbstractButton
{
    Q_OBJECT

public:
    // Corner radius of the face, in logical pixels.
    static constexpr qreal CornerRadius = 7.0;
    // Room kept free between the face's edge and its contents.
    static constexpr qreal Padding = 4.0;

    explicit TBlendedButton(QWidget *parent = nullptr);

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
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The look at the given pixel ratios; keys that draw more add to it.
    virtual KeyLook look(qreal ratio, qreal deviceRatio) const;
    // Draws the whole key in logical pixels; paintEvent keeps it as the rendering. A
    // picture is prepared at deviceRatio.
    virtual void paintKey(QPainter &p, qreal deviceRatio);
    // Draws the rounded face; shared by the keys that add a picture.
    void paintFace(QPainter &p) const;
    // For setters of what the key shows: drops the kept rendering and repaints.
    void lookChanged();

private:
    void setColorMember(QColor &member, const QColor &c);
    QPixmap rendering(const KeyLook &look);

    int m_tag = 0;
    QColor m_color = QColor(128, 128, 128);
    QColor m_fontColor = Qt::white;
    QColor m_downColor = Qt::black;
    QColor m_downFontColor = Qt::white;
    QColor m_disabledColor = QColor(128, 128, 128);
    QColor m_disabledFontColor = QColor(192, 192, 192);

    // What this key showed last, so an unchanged key needs no lookup.
    KeyLook m_shownLook;
    QPixmap m_shown;
};

} // namespace host
