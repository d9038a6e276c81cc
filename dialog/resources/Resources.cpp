// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/resources/Resources.h"

#include <QHash>
#include <QImageReader>

namespace resources {

QString glyphPath(int n)
{
    switch (n) {
    case Corrigir:
        return QStringLiteral(":/corrigir.bmp");
    case Pesquisa:
        return QStringLiteral(":/pesquisa.bmp");
    case Sair:
        return QStringLiteral(":/sair.bmp");
    case EditaDesc:
        return QStringLiteral(":/editadesc.bmp");
    default:
        return QString();
    }
}

namespace {

QImage load(int n)
{
    const QString path = glyphPath(n);
    if (path.isEmpty())
        return QImage();
    // Qt's own BMP reader, asked for by name: left to detect the format, the reader
    // would first load every image format plug-in to ask whether it reads BMPs.
    QImageReader reader(path, "BMP");
    reader.setAutoDetectImageFormat(false);
    QImage img = reader.read();
    if (img.isNull())
        return img;
    // The pictures' fourth byte is 0; a reader that took it for alpha would hand back
    // an invisible picture. Converting to RGB32 keeps the colours and drops the alpha.
    if (img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

} // namespace

QImage glyph(int n)
{
    // Decoded once: every window asks for the same four pictures.
    static QHash<int, QImage> decoded;
    if (const auto it = decoded.constFind(n); it != decoded.constEnd())
        return *it;
    QImage img = load(n);
    decoded.insert(n, img);
    return img;
}

} // namespace resources
