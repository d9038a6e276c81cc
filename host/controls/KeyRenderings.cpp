// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/KeyRenderings.h"

#include "host/controls/TBlendedBitBtn.h"

#include <QCache>
#include <QCoreApplication>

namespace host {

namespace {

// Costs are device pixels: 10 MB of renderings and 1 MB of pictures at four
// bytes a pixel, far more than the touch windows show at once.
QCache<KeyLook, QPixmap> &renderings()
{
    static QCache<KeyLook, QPixmap> cache(2560 * 1024);
    return cache;
}

struct Keyed
{
    QImage source;
    QImage keyed;
};

QCache<size_t, Keyed> &pictures()
{
    static QCache<size_t, Keyed> cache(256 * 1024);
    return cache;
}

size_t contentHash(const QImage &img)
{
    size_t h = qHashMulti(0, img.width(), img.height(), int(img.format()), img.devicePixelRatio());
    const qsizetype lineBytes = (qsizetype(img.width()) * img.depth() + 7) / 8;
    for (int y = 0; y < img.height(); ++y)
        h = qHashBits(img.constScanLine(y), size_t(lineBytes), h);
    return h;
}

bool clearsAtApplicationEnd = false;

void clearAtApplicationEnd()
{
    clearsAtApplicationEnd = false;
    KeyRenderings::clear();
}

} // namespace

QPixmap KeyRenderings::find(const KeyLook &look)
{
    if (const QPixmap *p = renderings().object(look))
        return *p;
    return QPixmap();
}

void KeyRenderings::insert(const KeyLook &look, const QPixmap &rendering)
{
    // Pixmaps belong to the application that drew them: they go with it, not at process
    // exit, and a host that makes another application gets no pixmap of the last one.
    // Qt forgets its post routines as it runs them, so each application gets its own.
    if (!clearsAtApplicationEnd) {
        qAddPostRoutine(clearAtApplicationEnd);
        clearsAtApplicationEnd = true;
    }
    const qsizetype cost = qsizetype(rendering.width()) * rendering.height();
    renderings().insert(look, new QPixmap(rendering), qMax<qsizetype>(cost, 1));
}

QImage KeyRenderings::keyedOut(const QImage &glyph)
{
    if (glyph.isNull())
        return QImage();
    // Keying out is the costly part of loading a picture, which the window does afresh
    // for every call.
    const size_t key = contentHash(glyph);
    if (const Keyed *e = pictures().object(key))
        if (e->source.devicePixelRatio() == glyph.devicePixelRatio() && e->source == glyph)
            return e->keyed;
    QImage keyed = TBlendedBitBtn::backgroundToAlpha(glyph).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype cost = qsizetype(glyph.width()) * glyph.height();
    pictures().insert(key, new Keyed {glyph, keyed}, qMax<qsizetype>(cost, 1));
    return keyed;
}

void KeyRenderings::clear()
{
    renderings().clear();
    pictures().clear();
}

} // namespace host
