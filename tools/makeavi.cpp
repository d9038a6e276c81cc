// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Writes the SHOWAVI animation: an uncompressed AVI of 145 x 5 pixels, 31 frames at
// 12 frames per second, 16-bit colour (RGB 5-5-5, BI_RGB), showing a bar that slides
// from left to right. One video stream, every frame a key frame, with an idx1 index.
//
// Usage: makeavi OUTFILE

#include "LittleEndian.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 145;
constexpr int kHeight = 5;
constexpr int kFrames = 31;
constexpr int kRate = 12; // frames per second, as rate / scale
constexpr int kScale = 1;
constexpr int kMicroSecPerFrame = 83333;
constexpr int kRowBytes = (kWidth * 2 + 3) & ~3; // DIB rows are padded to 4 bytes
constexpr int kFrameBytes = kRowBytes * kHeight;

constexpr quint32 AVIF_HASINDEX = 0x10;
constexpr quint32 AVIIF_KEYFRAME = 0x10;

struct Rgb
{
    double r, g, b;
};

const Rgb kTrack {255, 255, 255};
const Rgb kBar {204, 91, 44}; // the window frame's orange brown

void putFourCC(QByteArray &b, const char *cc)
{
    b.append(cc, 4);
}

// A chunk: id, size, data, and a pad byte when the size is odd.
QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray b;
    putFourCC(b, id);
    put32(b, quint32(data.size()));
    b.append(data);
    if (data.size() % 2)
        b.append(char(0));
    return b;
}

QByteArray list(const char *type, const QByteArray &content)
{
    QByteArray data;
    putFourCC(data, type);
    data.append(content);
    return chunk("LIST", data);
}

quint16 rgb555(const Rgb &c)
{
    auto five = [](double v) { return quint16(std::clamp(int(std::lround(v)), 0, 255) >> 3); };
    return quint16(five(c.r) << 10 | five(c.g) << 5 | five(c.b));
}

// Frame n: a bar of fixed width whose soft edges slide in from the left and out at
// the right, so that the last frame leads back into the first.
QByteArray frame(int n)
{
    constexpr double barWidth = 40.0;
    constexpr double edge = 4.0;
    const double travel = kWidth + barWidth;
    const double left = -barWidth + travel * n / kFrames;
    QByteArray b;
    b.reserve(kFrameBytes);
    for (int row = 0; row < kHeight; ++row) { // bottom-up: all rows alike
        for (int x = 0; x < kWidth; ++x) {
            const double cx = x + 0.5;
            const double in = std::min({(cx - left) / edge, (left + barWidth - cx) / edge, 1.0});
            const double a = std::clamp(in, 0.0, 1.0);
            const Rgb c {kTrack.r + (kBar.r - kTrack.r) * a, kTrack.g + (kBar.g - kTrack.g) * a,
                         kTrack.b + (kBar.b - kTrack.b) * a};
            put16(b, rgb555(c));
        }
        for (int pad = kWidth * 2; pad < kRowBytes; ++pad)
            b.append(char(0));
    }
    return b;
}

QByteArray avih()
{
    QByteArray b;
    put32(b, kMicroSecPerFrame);
    put32(b, quint32(kFrameBytes * kRate / kScale)); // dwMaxBytesPerSec
    put32(b, 0); // dwPaddingGranularity
    put32(b, AVIF_HASINDEX);
    put32(b, kFrames);
    put32(b, 0); // dwInitialFrames
    put32(b, 1); // dwStreams
    put32(b, kFrameBytes);
    put32(b, kWidth);
    put32(b, kHeight);
    for (int i = 0; i < 4; ++i)
        put32(b, 0);
    return b;
}

QByteArray strh()
{
    QByteArray b;
    putFourCC(b, "vids");
    put32(b, 0); // fccHandler: none, uncompressed
    put32(b, 0); // dwFlags
    put16(b, 0); // wPriority
    put16(b, 0); // wLanguage
    put32(b, 0); // dwInitialFrames
    put32(b, kScale);
    put32(b, kRate);
    put32(b, 0); // dwStart
    put32(b, kFrames);
    put32(b, kFrameBytes);
    put32(b, 0xFFFFFFFFu); // dwQuality: default
    put32(b, 0); // dwSampleSize: frames vary in principle
    put16(b, 0); // rcFrame
    put16(b, 0);
    put16(b, kWidth);
    put16(b, kHeight);
    return b;
}

QByteArray strf()
{
    QByteArray b;
    put32(b, 40);
    put32(b, kWidth);
    put32(b, kHeight); // positive: bottom-up
    put16(b, 1);
    put16(b, 16);
    put32(b, 0); // BI_RGB
    put32(b, kFrameBytes);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    return b;
}

QByteArray avi()
{
    const QByteArray hdrl
        = list("hdrl", chunk("avih", avih()) + list("strl", chunk("strh", strh()) + chunk("strf", strf())));

    QByteArray movi;
    QByteArray idx1;
    for (int n = 0; n < kFrames; ++n) {
        // Offsets count from the 'movi' type code.
        const quint32 offset = quint32(4 + movi.size());
        movi.append(chunk("00db", frame(n)));
        putFourCC(idx1, "00db");
        put32(idx1, AVIIF_KEYFRAME);
        put32(idx1, offset);
        put32(idx1, kFrameBytes);
    }

    QByteArray riff;
    putFourCC(riff, "AVI ");
    riff.append(hdrl);
    riff.append(list("movi", movi));
    riff.append(chunk("idx1", idx1));
    return chunk("RIFF", riff);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeavi OUTFILE\n");
        return 2;
    }
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly) || f.write(avi()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
