// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/WindowBuilder.h"

#include "dialog/WindowDescription.h"
#include "dialog/resources/Resources.h"
#include "host/controls/TBlendedBitBtn.h"
#include "host/controls/TBlendedShape.h"
#include "host/controls/TTecladoTela.h"
#include "platform/TLabel.h"
#include "platform/TShape.h"

namespace dialog {

namespace {

QFont fontOf(const FontDesc &desc)
{
    QFont f(QString::fromUtf8(desc.family));
    f.setPixelSize(desc.pixelSize);
    f.setBold(desc.bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor colorOf(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

bool sameFont(const FontDesc &a, const FontDesc &b)
{
    return QByteArrayView(a.family) == QByteArrayView(b.family) && a.pixelSize == b.pixelSize && a.bold == b.bold;
}

bool isKey(const ControlDesc &d)
{
    return d.cls == ControlClass::TBlendedButton || d.cls == ControlClass::TBlendedBitBtn;
}

// The key as the keyboard makes it; colours are the window's own.
host::KeyDesc keyOf(const ControlDesc &d)
{
    host::KeyDesc k;
    k.name = d.name;
    k.caption = d.caption;
    k.accessible = d.accessible;
    k.command = d.command == Command::None ? host::KeyDesc::NoCommand : int(d.command);
    k.tag = d.tag;
    k.bounds = d.bounds;
    if (!sameFont(d.font, kKeyFont))
        k.font = {d.font.family, d.font.pixelSize, d.font.bold};
    k.picture = d.cls == ControlClass::TBlendedBitBtn;
    k.layout = d.layout;
    k.spacing = d.spacing;
    return k;
}

QWidget *makeShapeOrLabel(QWidget &window, const ControlDesc &d)
{
    switch (d.cls) {
    case ControlClass::TShape: {
        auto *s = new platform::TShape(&window);
        s->SetBrush(QBrush(colorOf(d.color)));
        s->SetPen(d.penWidth > 0 ? QPen(colorOf(d.penColor), d.penWidth) : QPen(Qt::NoPen));
        s->setGeometry(d.bounds);
        return s;
    }
    case ControlClass::TBlendedShape: {
        auto *s = new host::TBlendedShape(&window);
        s->SetShape(d.roundRect ? host::TBlendedShape::ShapeKind::RoundRect
                                : host::TBlendedShape::ShapeKind::Rectangle);
        s->SetBrush(QBrush(colorOf(d.color)));
        s->SetPen(d.penWidth > 0 ? QPen(colorOf(d.penColor), d.penWidth) : QPen(Qt::NoPen));
        s->setGeometry(d.bounds);
        return s;
    }
    case ControlClass::TLabel: {
        const QString caption = QString::fromUtf8(d.caption);
        auto *l = new platform::TLabel(&window);
        l->setGeometry(d.bounds);
        l->setFont(fontOf(d.font));
        l->SetFontColor(colorOf(d.fontColor));
        l->SetColor(colorOf(d.color));
        l->SetTransparent(d.transparent);
        l->SetWordWrap(d.wordWrap);
        l->SetAutoSize(d.autoSize);
        l->SetCaption(caption);
        l->setAccessibleName(caption);
        // An autosized label keeps the size its caption gave it.
        if (!d.autoSize)
            l->setGeometry(d.bounds);
        else
            l->move(d.bounds.topLeft());
        return l;
    }
    case ControlClass::TBlendedButton:
    case ControlClass::TBlendedBitBtn:
        break;
    }
    Q_UNREACHABLE(); // keys are the keyboard's
    return nullptr;
}

} // namespace

WindowBuilder::Controls WindowBuilder::build(QWidget &window)
{
    Controls built;
    for (const ControlDesc &d : windowControls()) {
        QWidget *w = nullptr;
        if (isKey(d)) {
            if (!built.keyboard) {
                built.keyboard = new host::TTecladoTela(&window);
                built.keyboard->setObjectName(QStringLiteral("pnlTeclado"));
                built.keyboard->setGeometry(0, 0, kClientWidth, kClientHeight);
                built.keyboard->setFont(fontOf(kKeyFont));
            }
            host::TBlendedButton *b
                = built.keyboard->addKey(keyOf(d), nullptr, d.glyph != 0 ? resources::glyph(d.glyph) : QImage());
            b->SetColor(colorOf(d.color));
            b->SetFontColor(colorOf(d.fontColor));
            b->SetDownColor(colorOf(d.downColor));
            b->SetDownFontColor(colorOf(d.downFontColor));
            b->SetDisabledColor(colorOf(d.disabledColor));
            b->SetDisabledFontColor(colorOf(d.disabledFontColor));
            w = b;
        } else {
            // Below the panel: a shape or label after the first key would change the stacking.
            Q_ASSERT(!built.keyboard);
            w = makeShapeOrLabel(window, d);
            w->setObjectName(QString::fromUtf8(d.name));
            w->setFocusPolicy(Qt::NoFocus);
        }
        built.byName.insert(w->objectName(), w);
    }
    return built;
}

} // namespace dialog
