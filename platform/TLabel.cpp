// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/TLabel.h"

#include "platform/AccessibleLabel.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace platform {

namespace {

// Captions up to this length are drawn whole. A longer one (a description may run to
// megabytes) is cut to a part that fills the label, since laying text out costs time in
// proportion to its length on every repaint, and every key press repaints the window.
constexpr qsizetype LongCaption = 2000;

} // namespace

TLabel::TLabel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    AccessibleLabel::installFactory();
}

void TLabel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    const QString old = m_caption;
    m_caption = caption;
    m_shownLength = -1;
    adjustToText();
    update();
    if (!QAccessible::isActive())
        return;
    // A screen reader says what changed: only that part, since a description grows at its
    // end and may run to megabytes. A name that follows the caption changes with it.
    const qsizetype same
        = std::mismatch(old.cbegin(), old.cbegin() + qMin(old.size(), m_caption.size()), m_caption.cbegin()).first
        - old.cbegin();
    QAccessibleTextUpdateEvent changed(this, int(same), old.mid(same), m_caption.mid(same));
    QAccessible::updateAccessibility(&changed);
    if (accessibleName().isEmpty()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void TLabel::SetAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    adjustToText();
    update();
}

void TLabel::SetWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    m_shownLength = -1;
    adjustToText();
    update();
}

void TLabel::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    update();
}

void TLabel::SetColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TLabel::SetFontColor(const QColor &color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_shownLength = -1;
        adjustToText();
    }
    QWidget::changeEvent(event);
}

void TLabel::resizeEvent(QResizeEvent *event)
{
    m_shownLength = -1;
    QWidget::resizeEvent(event);
}

qsizetype TLabel::shownLength() const
{
    if (m_shownLength >= 0)
        return m_shownLength;
    m_shownLength = m_caption.size();
    if (m_caption.size() > LongCaption) {
        for (qsizetype length = LongCaption / 4; length < m_caption.size(); length *= 2) {
            if (const qsizetype cut = filledBy(length); cut > 0) {
                m_shownLength = cut;
                break;
            }
        }
    }
    return m_shownLength;
}

// When the first length characters already fill the label, the length of a part of them that
// shows the same as the whole caption; otherwise 0. Wrapped: the prefix gives two lines more
// than the label's height holds, so the lines before those break where the whole text's
// would; the part ends with the first line below the label, which holds the word that decides
// where the last shown line breaks. One line: the prefix is wider than the label by more than
// any character.
qsizetype TLabel::filledBy(qsizetype length) const
{
    QString text = m_caption.left(length);
    if (!m_wordWrap) {
        if (text.contains(u'\n') || text.contains(u'\r'))
            return 0; // the single-line form shows breaks as spaces; keep it whole
        const QFontMetricsF fm(font());
        return fm.horizontalAdvance(text) > width() + 2 * fm.maxWidth() ? length : 0;
    }
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal leading = std::max<qreal>(0, QFontMetricsF(font()).leading());
    qreal bottom = 0;
    int linesBelow = 0;
    qsizetype cut = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        const qsizetype end = line.textStart() + line.textLength();
        if (bottom > height()) {
            ++linesBelow;
            if (linesBelow == 1)
                cut = end;
            if (linesBelow == 2) {
                if (end >= length)
                    cut = 0;
                break;
            }
        }
        bottom += leading + line.height();
    }
    layout.endLayout();
    return linesBelow == 2 ? cut : 0;
}

void TLabel::adjustToText()
{
    if (!m_autoSize || m_wordWrap)
        return;
    const QFontMetrics fm(font());
    const int w = m_caption.isEmpty() ? EmptyAutoWidth : fm.horizontalAdvance(m_caption);
    resize(w, fm.height());
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);
    if (m_caption.isEmpty())
        return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(m_fontColor);
    p.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    const qsizetype shown = shownLength();
    p.drawText(rect(), flags, shown == m_caption.size() ? m_caption : m_caption.left(shown));
}

} // namespace platform
