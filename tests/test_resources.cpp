// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The key pictures and the SHOWAVI animation: their bytes as the host's loaders read
// them, their presence in the test program and in the plug-in, and the picture
// accessor.

#include "dialog/resources/Resources.h"

#include <QColor>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

qint32 i32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<qint32>(b.constData() + at);
}

struct PictureCase
{
    int number;
    const char *file;
    QRgb background;
};

const PictureCase kPictures[] = {
    {resources::Corrigir, "corrigir.bmp", qRgb(128, 128, 128)},
    {resources::Pesquisa, "pesquisa.bmp", qRgb(204, 204, 204)},
    {resources::Sair, "sair.bmp", qRgb(128, 128, 128)},
    {resources::EditaDesc, "editadesc.bmp", qRgb(204, 204, 204)},
};

class PictureTest : public ::testing::TestWithParam<PictureCase>
{ };

TEST_P(PictureTest, ResourceIsTheCommittedFile)
{
    const PictureCase &c = GetParam();
    const QByteArray embedded = readAll(resources::glyphPath(c.number));
    ASSERT_FALSE(embedded.isEmpty()) << "missing resource " << c.file;
    EXPECT_EQ(embedded, readAll(QStringLiteral(OBS_SOURCE_DIR "/dialog/resources/") + QLatin1String(c.file)));
}

TEST_P(PictureTest, HeadersDescribe34By34TrueColourBottomUp)
{
    const QByteArray b = readAll(resources::glyphPath(GetParam().number));
    ASSERT_EQ(b.size(), 14 + 40 + 34 * 34 * 4);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(b, 2), quint32(b.size())); // bfSize
    EXPECT_EQ(u32(b, 10), 54u); // bfOffBits
    EXPECT_EQ(u32(b, 14), 40u); // biSize: BITMAPINFOHEADER
    EXPECT_EQ(i32(b, 18), 34); // width
    EXPECT_EQ(i32(b, 22), 34); // positive height: bottom-up
    EXPECT_EQ(u16(b, 26), 1); // planes
    EXPECT_EQ(u16(b, 28), 32); // bits per pixel
    EXPECT_EQ(u32(b, 30), 0u); // BI_RGB
    EXPECT_EQ(u32(b, 46), 0u); // no palette
}

TEST_P(PictureTest, PixelsAreWhiteLinesOnTheFlatBackground)
{
    const PictureCase &c = GetParam();
    const QByteArray b = readAll(resources::glyphPath(c.number));
    ASSERT_EQ(b.size(), 54 + 34 * 34 * 4);
    const auto *px = reinterpret_cast<const uchar *>(b.constData()) + 54;
    // Bottom-up: the first pixel stored is the bottom-left one.
    EXPECT_EQ(qRgb(px[2], px[1], px[0]), c.background);
    int white = 0;
    int background = 0;
    const int bg = qRed(c.background);
    for (int i = 0; i < 34 * 34; ++i) {
        const uchar *p = px + 4 * i;
        ASSERT_EQ(p[3], 0) << "fourth byte of pixel " << i;
        // A white drawing antialiased onto a grey ground: every pixel is a grey
        // between the ground and white.
        ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << "pixel " << i << " is not grey";
        ASSERT_GE(p[0], bg) << "pixel " << i << " darker than the background";
        white += p[0] == 255;
        background += p[0] == bg;
    }
    EXPECT_GT(white, 40);
    EXPECT_GT(background, 34 * 34 / 2);
}

TEST_P(PictureTest, AccessorGivesAnOpaqueImageWithItsBackground)
{
    const PictureCase &c = GetParam();
    const QImage img = resources::glyph(c.number);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(34, 34));
    EXPECT_FALSE(img.hasAlphaChannel());
    EXPECT_EQ(img.pixel(0, 33), c.background | 0xFF000000u);

    // Top row of the image is the last row stored in the file.
    const QByteArray b = readAll(resources::glyphPath(c.number));
    const auto *lastRow = reinterpret_cast<const uchar *>(b.constData()) + 54 + 33 * 34 * 4;
    int whites = 0;
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x)
            whites += img.pixel(x, y) == 0xFFFFFFFFu;
    EXPECT_GT(whites, 40);
    for (int x = 0; x < 34; ++x)
        EXPECT_EQ(img.pixel(x, 0) & 0xFFFFFF, qRgb(lastRow[4 * x + 2], lastRow[4 * x + 1], lastRow[4 * x]) & 0xFFFFFF);
}

TEST_P(PictureTest, AccessorGivesEveryPixelAsStoredInTheFile)
{
    // Whichever reader decodes the picture, the keys must show the file's own colours:
    // 34 rows of 34 BGRX pixels after the 54-byte headers, bottom row first.
    const PictureCase &c = GetParam();
    const QImage img = resources::glyph(c.number);
    ASSERT_EQ(img.size(), QSize(34, 34));
    const QByteArray b = readAll(resources::glyphPath(c.number));
    ASSERT_EQ(b.size(), 54 + 34 * 34 * 4);
    const auto *pixels = reinterpret_cast<const uchar *>(b.constData()) + 54;
    int differing = 0;
    for (int y = 0; y < 34; ++y) {
        const uchar *row = pixels + (33 - y) * 34 * 4;
        for (int x = 0; x < 34; ++x)
            differing += img.pixel(x, y) != qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest, ::testing::ValuesIn(kPictures), [](const auto &info) {
    return QByteArray(info.param.file).replace(".bmp", "").toStdString();
});

TEST(Pictures, OnlyFour)
{
    EXPECT_TRUE(resources::glyph(0).isNull());
    EXPECT_TRUE(resources::glyph(5).isNull());
}

// ---- SHOWAVI ----

struct Chunk
{
    QByteArray id;
    QByteArray listType; // for LIST and RIFF
    qsizetype offset = 0; // of the chunk's id
    quint32 size = 0;
};

// The chunks between from and to; fails the test when sizes do not add up exactly.
QList<Chunk> chunks(const QByteArray &b, qsizetype from, qsizetype to)
{
    QList<Chunk> out;
    qsizetype at = from;
    while (at < to) {
        EXPECT_LE(at + 8, to) << "truncated chunk header at " << at;
        if (at + 8 > to)
            break;
        Chunk c;
        c.id = b.mid(at, 4);
        c.offset = at;
        c.size = u32(b, at + 4);
        if (c.id == "LIST" || c.id == "RIFF")
            c.listType = b.mid(at + 8, 4);
        out << c;
        at += 8 + c.size + (c.size & 1);
    }
    EXPECT_EQ(at, to) << "chunk sizes overrun their list";
    return out;
}

class ShowAvi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        avi = readAll(QString::fromLatin1(resources::kShowAvi));
        ASSERT_GT(avi.size(), 12);
        const QList<Chunk> top = chunks(avi, 0, avi.size());
        ASSERT_EQ(top.size(), 1);
        ASSERT_EQ(top[0].id, "RIFF");
        ASSERT_EQ(top[0].listType, "AVI ");
        for (const Chunk &c : chunks(avi, 12, avi.size())) {
            if (c.listType == "hdrl")
                hdrl = c;
            else if (c.listType == "movi")
                movi = c;
            else if (c.id == "idx1")
                idx1 = c;
        }
        ASSERT_EQ(hdrl.listType, "hdrl");
        ASSERT_EQ(movi.listType, "movi");
        ASSERT_EQ(idx1.id, "idx1");
    }

    QByteArray avi;
    Chunk hdrl, movi, idx1;
};

constexpr int kFrameBytes = 292 * 5; // 145 pixels * 2 bytes = 290, padded to 292 per row

TEST_F(ShowAvi, IsTheCommittedFile)
{
    EXPECT_EQ(avi, readAll(QStringLiteral(OBS_SOURCE_DIR "/dialog/resources/showavi.avi")));
    EXPECT_EQ(u32(avi, 4) + 8, quint32(avi.size()));
}

TEST_F(ShowAvi, HeadersGive145By5At12FramesPerSecond)
{
    const QList<Chunk> inHdrl = chunks(avi, hdrl.offset + 12, hdrl.offset + 8 + hdrl.size);
    ASSERT_EQ(inHdrl.size(), 2);
    const Chunk avih = inHdrl[0];
    ASSERT_EQ(avih.id, "avih");
    ASSERT_EQ(avih.size, 56u);
    const qsizetype h = avih.offset + 8;
    EXPECT_EQ(u32(avi, h + 0), 83333u); // dwMicroSecPerFrame
    EXPECT_EQ(u32(avi, h + 12) & 0x10, 0x10u); // AVIF_HASINDEX
    EXPECT_EQ(u32(avi, h + 16), 31u); // dwTotalFrames
    EXPECT_EQ(u32(avi, h + 24), 1u); // dwStreams
    EXPECT_GE(u32(avi, h + 28), quint32(kFrameBytes)); // dwSuggestedBufferSize
    EXPECT_EQ(u32(avi, h + 32), 145u); // dwWidth
    EXPECT_EQ(u32(avi, h + 36), 5u); // dwHeight

    const Chunk strl = inHdrl[1];
    ASSERT_EQ(strl.listType, "strl");
    const QList<Chunk> inStrl = chunks(avi, strl.offset + 12, strl.offset + 8 + strl.size);
    ASSERT_EQ(inStrl.size(), 2);
    ASSERT_EQ(inStrl[0].id, "strh");
    ASSERT_EQ(inStrl[0].size, 56u);
    const qsizetype s = inStrl[0].offset + 8;
    EXPECT_EQ(avi.mid(s, 4), "vids");
    EXPECT_EQ(u32(avi, s + 20), 1u); // dwScale
    EXPECT_EQ(u32(avi, s + 24), 12u); // dwRate: 12 / 1 frames per second
    EXPECT_EQ(u32(avi, s + 32), 31u); // dwLength
    EXPECT_EQ(i32(avi, s + 48 + 4), 145 | (5 << 16)); // rcFrame right, bottom

    ASSERT_EQ(inStrl[1].id, "strf");
    ASSERT_EQ(inStrl[1].size, 40u);
    const qsizetype f = inStrl[1].offset + 8;
    EXPECT_EQ(u32(avi, f), 40u); // BITMAPINFOHEADER
    EXPECT_EQ(i32(avi, f + 4), 145);
    EXPECT_EQ(i32(avi, f + 8), 5);
    EXPECT_EQ(u16(avi, f + 12), 1); // planes
    EXPECT_EQ(u16(avi, f + 14), 16); // bits per pixel
    EXPECT_EQ(u32(avi, f + 16), 0u); // BI_RGB
    EXPECT_EQ(u32(avi, f + 20), quint32(kFrameBytes));
}

TEST_F(ShowAvi, MoviHolds31UncompressedFramesThatMove)
{
    const QList<Chunk> frames = chunks(avi, movi.offset + 12, movi.offset + 8 + movi.size);
    ASSERT_EQ(frames.size(), 31);
    QSet<QByteArray> distinct;
    for (const Chunk &c : frames) {
        EXPECT_EQ(c.id, "00db");
        ASSERT_EQ(c.size, quint32(kFrameBytes));
        const QByteArray data = avi.mid(c.offset + 8, c.size);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(data.at(row * 292 + 290), 0) << "row padding";
            EXPECT_EQ(data.at(row * 292 + 291), 0) << "row padding";
        }
        distinct.insert(data);
    }
    // An animation, not a still: most frames differ from one another.
    EXPECT_GE(distinct.size(), 25);
}

TEST_F(ShowAvi, IndexPointsAtEveryFrame)
{
    const QList<Chunk> frames = chunks(avi, movi.offset + 12, movi.offset + 8 + movi.size);
    ASSERT_EQ(idx1.size, 31u * 16);
    const qsizetype moviType = movi.offset + 8; // offsets count from the 'movi' code
    for (int i = 0; i < 31 && i < frames.size(); ++i) {
        const qsizetype e = idx1.offset + 8 + 16 * i;
        EXPECT_EQ(avi.mid(e, 4), "00db");
        EXPECT_EQ(u32(avi, e + 4) & 0x10, 0x10u) << "key frame flag of " << i;
        EXPECT_EQ(moviType + u32(avi, e + 8), frames[i].offset) << "offset of frame " << i;
        EXPECT_EQ(u32(avi, e + 12), quint32(kFrameBytes));
    }
}

// The plug-in carries the files byte for byte; their registration code comes with
// them in the same object.
TEST(PluginResources, PluginHoldsPicturesAndAnimation)
{
    const QByteArray plugin = readAll(QStringLiteral(OBS_BINARY_DIR "/" OBS_LIBDIR "/libobservacao.so"));
    if (plugin.isEmpty())
        GTEST_SKIP() << "the plug-in is not built in " << OBS_BINARY_DIR;
    EXPECT_GE(plugin.indexOf(readAll(QString::fromLatin1(resources::kShowAvi))), 0);
    for (const PictureCase &c : kPictures)
        EXPECT_GE(plugin.indexOf(readAll(resources::glyphPath(c.number))), 0) << c.file;
}

} // namespace
