// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>
#include <QWidget>

namespace platform {

// Plain text label. With AutoSize it keeps its width at its text's (one line, never
// wrapping); with WordWrap it breaks the text at word boundaries within its bounds and
// cuts off what does not fit. Never takes focus, never handles input.
class OBSHOST_EXPORT TLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    // Width of an empty auto-sized label, as the home platform leaves it.
    static constexpr int EmptyAutoWidth = 5;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void adjustToText();
    qsizetype shownLength() const;
    qsizetype filledBy(qsizetype length) const;

    QString m_caption;
    bool m_autoSize = true;
    bool m_wordWrap = false;
    bool m_transparent = false;
    QColor m_color = Qt::white;
    QColor m_fontColor = Qt::black;
    // How much of the caption is drawn; -1 until worked out again after a change of the
    // caption, size, font or wrapping.
    mutable qsizetype m_shownLength = -1;
};

} // namespace platform
