#pragma once

#include "platform/Export.h"

#include <QAbstractButton>
#include <QColor>
#include <functional>

class QPainter;

namespace host {

// Touch key with a caption, custom-painted as an antialiased rounded rectangle.
// Its face and caption take the pressed colours while it is held down and the
// disabled colours while it is disabled. Never takes focus; a click calls OnClick
// with the key as sender. An exception from the handler is shown to the operator
// and goes no further.
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
    void paintEvent(QPaintEvent *event) override;
    // Draws the rounded face; shared by the keys that add a picture.
    void paintFace(QPainter &p) const;

private:
    void setColorMember(QColor &member, const QColor &c);

    int m_tag = 0;
    QColor m_color = QColor(128, 128, 128);
    QColor m_fontColor = Qt::white;
    QColor m_downColor = Qt::black;
    QColor m_downFontColor = Qt::white;
    QColor m_disabledColor = QColor(128, 128, 128);
    QColor m_disabledFontColor = QColor(192, 192, 192);
};

} // namespace host
