// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

namespace resources {

// The key pictures, numbered as the window description numbers them.
enum Picture { Corrigir = 1, Pesquisa = 2, Sair = 3, EditaDesc = 4 };

// Resource path of picture n (1 to 4); empty for any other n.
QString glyphPath(int n);

// Picture n as an opaque 34 x 34 image (the BMP's unused fourth byte is not taken for
// alpha), background still in place; null for an unknown n.
QImage glyph(int n);

// The animation the module carries for the host; nothing here plays it.
inline constexpr const char *kShowAvi = ":/SHOWAVI";

} // namespace resources
