// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/KeyLook.h"

#include <QHashFunctions>

namespace host {

size_t qHash(const KeyLook &look, size_t seed) noexcept
{
    // Equal looks hash alike: QColor and QFont compare by what they draw, so they are
    // hashed by the same.
    seed = qHashMulti(seed, look.kind, look.size.width(), look.size.height(), look.ratio, look.deviceRatio, look.phaseX,
                      look.phaseY, look.dpiX, look.dpiY);
    seed = qHashMulti(seed, look.enabled, look.down, quint64(look.face.rgba64()), quint64(look.caption.rgba64()),
                      look.text, look.font, int(look.direction), look.glyph, look.layout, look.spacing);
    return seed;
}

} // namespace host
