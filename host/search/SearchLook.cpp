#include "host/search/SearchLook.h"

#include "host/TBlendedButton.h"

namespace host {

namespace {
bool isDark(const QColor &c)
{
    // Perceived brightness (ITU-R BT.601 weights).
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000 < 96;
}
} // namespace

QColor SearchLook::colorFromRef(int ref, const QColor &fallback)
{
    const auto bits = static_cast<quint32>(ref);
    if (bits == 0 || (bits & 0xFF000000u) != 0)
        return fallback;
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

SearchLook SearchLook::fromRefs(int cor1, int cor2, int cor3, int cor5)
{
    SearchLook look;
    look.keyFace = colorFromRef(cor1, look.keyFace);
    look.frame = colorFromRef(cor2, look.frame);
    look.caption = colorFromRef(cor3, look.caption);
    look.highlight = colorFromRef(cor5, look.highlight);
    return look;
}

QColor SearchLook::highlightText() const
{
    return isDark(highlight) ? QColor(Qt::white) : QColor(Qt::black);
}

void SearchLook::applyTo(TBlendedButton *key) const
{
    key->SetColor(keyFace);
    key->SetFontColor(caption);
    if (isDark(keyFace)) {
        key->SetDownColor(caption);
        key->SetDownFontColor(keyFace);
    } else {
        key->SetDownColor(Qt::black);
        key->SetDownFontColor(Qt::white);
    }
}

} // namespace host
