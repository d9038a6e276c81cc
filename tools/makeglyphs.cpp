// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Draws the four key pictures and writes them as 34 x 34, 32-bit, uncompressed,
// bottom-up BMP files with the fourth byte of every pixel 0. The keys treat the
// bottom-left pixel's colour as the flat background, so nothing may be drawn there.
//
// Usage: makeglyphs OUTDIR [SCALE]
// SCALE (default 1) multiplies the size, for looking at the artwork closely.

#include "LittleEndian.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdio>
#include <functional>

namespace {

constexpr int kSize = 34;
const QColor kGray(128, 128, 128);
const QColor kLight(204, 204, 204);

using Artwork = std::function<void(QPainter &)>;

QPen linePen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A key with its point to the left, a cross inside: delete to the left.
void drawCorrigir(QPainter &p)
{
    p.setPen(linePen(2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath outline;
    outline.moveTo(3, 17);
    outline.lineTo(12, 8);
    outline.lineTo(29, 8);
    outline.quadTo(31, 8, 31, 10);
    outline.lineTo(31, 24);
    outline.quadTo(31, 26, 29, 26);
    outline.lineTo(12, 26);
    outline.closeSubpath();
    p.drawPath(outline);
    p.drawLine(QPointF(16.5, 12.5), QPointF(25.5, 21.5));
    p.drawLine(QPointF(25.5, 12.5), QPointF(16.5, 21.5));
}

// A magnifying glass: ring top left, handle down to the right.
void drawPesquisa(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(2.5));
    p.drawEllipse(QPointF(14, 14), 9, 9);
    p.setPen(linePen(5.0));
    p.drawLine(QPointF(21.5, 21.5), QPointF(29, 29));
}

// An arrow pointing left inside a circle: leave.
void drawSair(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(2.0));
    p.drawEllipse(QPointF(17, 17), 14, 14);
    p.setPen(linePen(2.5));
    p.drawLine(QPointF(10, 17), QPointF(25, 17));
    p.drawLine(QPointF(10, 17), QPointF(16, 11));
    p.drawLine(QPointF(10, 17), QPointF(16, 23));
}

// A pencil lying from bottom left to top right, point down.
void drawEditaDesc(QPainter &p)
{
    p.translate(17, 17);
    p.rotate(-45);
    // Drawn along the x axis, point at the left.
    p.setPen(linePen(2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath body;
    body.moveTo(-15, 0); // point
    body.lineTo(-8, -4.5);
    body.lineTo(12, -4.5);
    body.quadTo(15, -4.5, 15, -1.5);
    body.lineTo(15, 1.5);
    body.quadTo(15, 4.5, 12, 4.5);
    body.lineTo(-8, 4.5);
    body.closeSubpath();
    p.drawPath(body);
    // The sharpened wood ends where the paint begins; the band holds the eraser.
    p.drawLine(QPointF(-8, -4.5), QPointF(-8, 4.5));
    p.drawLine(QPointF(8, -4.5), QPointF(8, 4.5));
    // Graphite point, filled.
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    QPainterPath lead;
    lead.moveTo(-15.5, 0);
    lead.lineTo(-12, -2.2);
    lead.lineTo(-12, 2.2);
    lead.closeSubpath();
    p.drawPath(lead);
}

QImage render(const Artwork &art, const QColor &background, int scale)
{
    QImage img(kSize * scale, kSize * scale, QImage::Format_RGB32);
    img.fill(background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    art(p);
    p.end();
    return img;
}

// BITMAPFILEHEADER + BITMAPINFOHEADER + BGR0 pixels, last row first.
QByteArray bmpBytes(const QImage &img)
{
    const quint32 pixelBytes = quint32(img.width()) * quint32(img.height()) * 4;
    const quint32 offset = 14 + 40;
    QByteArray b;
    b.reserve(int(offset + pixelBytes));
    b.append("BM");
    put32(b, offset + pixelBytes); // bfSize
    put16(b, 0);
    put16(b, 0);
    put32(b, offset); // bfOffBits
    put32(b, 40); // biSize
    put32(b, quint32(img.width()));
    put32(b, quint32(img.height())); // positive: bottom-up
    put16(b, 1); // biPlanes
    put16(b, 32); // biBitCount
    put32(b, 0); // biCompression = BI_RGB
    put32(b, pixelBytes); // biSizeImage
    put32(b, 3780); // 96 dpi in pixels per metre
    put32(b, 3780);
    put32(b, 0); // biClrUsed
    put32(b, 0); // biClrImportant
    for (int y = img.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            b.append(char(qBlue(line[x])));
            b.append(char(qGreen(line[x])));
            b.append(char(qRed(line[x])));
            b.append(char(0));
        }
    }
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeglyphs OUTDIR [SCALE]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int scale = argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 16) : 1;

    struct Picture
    {
        const char *file;
        Artwork art;
        QColor background;
    };
    const Picture pictures[] = {
        {"corrigir.bmp", drawCorrigir, kGray},
        {"pesquisa.bmp", drawPesquisa, kLight},
        {"sair.bmp", drawSair, kGray},
        {"editadesc.bmp", drawEditaDesc, kLight},
    };
    for (const Picture &pic : pictures) {
        const QImage img = render(pic.art, pic.background, scale);
        if (img.pixelColor(0, img.height() - 1) != pic.background) {
            std::fprintf(stderr, "%s: bottom-left pixel is not the background\n", pic.file);
            return 1;
        }
        QFile f(out.filePath(QString::fromLatin1(pic.file)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bmpBytes(img)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
            return 1;
        }
    }
    return 0;
}
