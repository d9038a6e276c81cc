// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// A label with a caption far longer than it can show draws exactly what the whole caption
// would, and keeps doing so when its size or font changes.
#include "platform/TLabel.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The label's look drawn the plain way, with the whole caption.
QImage reference(const platform::TLabel &label)
{
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(label.Color());
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(label.FontColor());
    p.setFont(label.font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label.WordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
    p.drawText(label.rect(), flags, label.Caption());
    return image;
}

QImage drawn(platform::TLabel &label)
{
    return label.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString longText(const QString &unit, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += unit.arg(i);
    return text;
}

} // namespace

TEST(LongCaption, WrappedLabelShowsWhatTheWholeTextWould)
{
    platform::TLabel label;
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.setFont(QFont(QStringLiteral("Arial"), 13, QFont::Bold));
    label.setGeometry(0, 0, 686, 125);
    // Words of every length, line breaks among them, a long unbreakable run.
    label.SetCaption(longText(QStringLiteral(" Sem cebola %1;\nmolho à parte, ponto_da_carne_bem_passado_%1"), 20000));
    ASSERT_GT(label.Caption().size(), 100000);
    EXPECT_EQ(drawn(label), reference(label));

    // Taller, then in a larger font: the part drawn follows.
    label.resize(686, 400);
    EXPECT_EQ(drawn(label), reference(label));
    label.setFont(QFont(QStringLiteral("Arial"), 20));
    EXPECT_EQ(drawn(label), reference(label));

    // Text without a place to break is drawn whole, as before.
    label.SetCaption(QString(5000, u'x'));
    EXPECT_EQ(drawn(label), reference(label));
}

TEST(LongCaption, SingleLineLabelShowsWhatTheWholeTextWould)
{
    platform::TLabel label;
    label.SetAutoSize(false);
    label.setGeometry(0, 0, 300, 30);
    label.SetCaption(longText(QStringLiteral("código %1 - "), 5000));
    EXPECT_EQ(drawn(label), reference(label));
    label.resize(900, 30);
    EXPECT_EQ(drawn(label), reference(label));
}
