// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/WindowDescription.h"

#include <QtGlobal>

#include <array>

namespace dialog {

namespace {

using host::ButtonLayout;

constexpr QRgb clBlack = 0x000000;
constexpr QRgb clGray = 0x808080;
constexpr QRgb clSilver = 0xC0C0C0;
constexpr QRgb clWhite = 0xFFFFFF;
constexpr QRgb clNavy = 0x000080;
constexpr QRgb clWindowText = clBlack;
constexpr QRgb clWindow = clWhite;
constexpr QRgb kOrangeBrown = 0xCC5B2C; // colour reference 2907084
constexpr QRgb kLightGrey = 0xCCCCCC; // colour reference 13421772
// The code bar and keyboard panel fills are ours to choose: a pale grey that sets the
// keys off from the white field.
constexpr QRgb kPanel = 0xEBEBEB;

// The character keys' grid: 60 x 53 keys with 1-pixel gaps.
constexpr int colLeft(int c)
{
    return 13 + 61 * (c - 1);
}
constexpr int rowTop(int r)
{
    return 203 + 54 * (r - 1);
}

constexpr ControlDesc charKey(const char *name, const char *caption, int col, int row, int tag)
{
    ControlDesc d {};
    d.cls = ControlClass::TBlendedButton;
    d.name = name;
    d.bounds = QRect(colLeft(col), rowTop(row), 60, 53);
    d.caption = caption;
    d.font = kKeyFont;
    d.fontColor = clWhite;
    d.color = clGray;
    d.downColor = clWindowText;
    d.downFontColor = clWindow;
    d.disabledColor = clGray;
    d.disabledFontColor = clSilver;
    d.roundRect = true;
    d.tag = tag;
    d.command = Command::Character;
    return d;
}

constexpr ControlDesc commandKey(ControlClass cls, const char *name, QRect bounds, const char *caption, int fontSize,
                                 bool bold, Command command)
{
    ControlDesc d = charKey(name, caption, 1, 1, 0);
    d.cls = cls;
    d.bounds = bounds;
    d.font = {"Arial", fontSize, bold};
    d.command = command;
    return d;
}

constexpr ControlDesc withGlyph(ControlDesc d, int glyph, int spacing = 4)
{
    d.glyph = glyph;
    d.spacing = spacing;
    return d;
}

constexpr ControlDesc withDisabled(ControlDesc d, QRgb face, QRgb font)
{
    d.disabledColor = face;
    d.disabledFontColor = font;
    return d;
}

constexpr ControlDesc withAccessible(ControlDesc d, const char *name)
{
    d.accessible = name;
    return d;
}

constexpr ControlDesc withLayout(ControlDesc d, ButtonLayout layout)
{
    d.layout = layout;
    return d;
}

constexpr ControlDesc rectShape(const char *name, QRect bounds, QRgb fill, QRgb pen, int penWidth)
{
    ControlDesc d {};
    d.cls = ControlClass::TShape;
    d.name = name;
    d.bounds = bounds;
    d.color = fill;
    d.penColor = pen;
    d.penWidth = penWidth;
    return d;
}

constexpr ControlDesc blendedShape(const char *name, QRect bounds)
{
    ControlDesc d {};
    d.cls = ControlClass::TBlendedShape;
    d.name = name;
    d.bounds = bounds;
    d.color = kPanel;
    d.roundRect = true;
    return d;
}

constexpr ControlDesc label(const char *name, QRect bounds, const char *caption, FontDesc font, QRgb fontColor,
                            bool autoSize, bool wordWrap)
{
    ControlDesc d {};
    d.cls = ControlClass::TLabel;
    d.name = name;
    d.bounds = bounds;
    d.caption = caption;
    d.font = font;
    d.fontColor = fontColor;
    d.color = clWhite;
    d.autoSize = autoSize;
    d.wordWrap = wordWrap;
    d.transparent = true;
    return d;
}

constexpr ControlClass Button = ControlClass::TBlendedButton;
constexpr ControlClass BitBtn = ControlClass::TBlendedBitBtn;

constexpr std::array<ControlDesc, 52> kControls = {
    rectShape("blsBorda", QRect(0, 0, 726, 480), clWhite, kOrangeBrown, 2),
    blendedShape("blsCod", QRect(4, 5, 569, 38)),
    label("lblCodigo", QRect(13, 14, 62, 19), QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Código:"),
          {"Arial", 16, true}, clBlack, true, false),
    label("lblInformacao", QRect(100, 14, 5, 19), "", {"Tahoma", 16, true}, clNavy, true, false),
    rectShape("blsDesc", QRect(12, 47, 701, 150), clWhite, clBlack, 2),
    label("lblDesc", QRect(19, 56, 686, 125), "", {"Arial", 13, true}, clBlack, false, true),
    blendedShape("blsKeyBoard", QRect(5, 200, 717, 276)),
    charKey("sbt1", "1", 1, 1, 49),
    charKey("sbt2", "2", 2, 1, 50),
    charKey("sbt3", "3", 3, 1, 51),
    charKey("sbt4", "4", 4, 1, 52),
    charKey("sbt5", "5", 5, 1, 53),
    charKey("sbt6", "6", 6, 1, 54),
    withDisabled(charKey("sbt7", "7", 7, 1, 55), kLightGrey, clWhite),
    charKey("sbt8", "8", 8, 1, 56),
    charKey("sbt9", "9", 9, 1, 57),
    charKey("sbt0", "0", 10, 1, 48),
    commandKey(Button, "spdBackSpace", QRect(624, 203, 90, 53),
               QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Backspace"), 15, true, Command::Backspace),
    charKey("sbtQ", "Q", 1, 2, 81),
    charKey("sbtW", "W", 2, 2, 87),
    charKey("sbtE", "E", 3, 2, 69),
    charKey("sbtR", "R", 4, 2, 82),
    charKey("sbtT", "T", 5, 2, 84),
    charKey("sbtY", "Y", 6, 2, 89),
    charKey("sbtU", "U", 7, 2, 85),
    charKey("sbtI", "I", 8, 2, 73),
    charKey("sbtO", "O", 9, 2, 79),
    charKey("sbtP", "P", 10, 2, 80),
    charKey("sbtA", "A", 1, 3, 65),
    charKey("sbtS", "S", 2, 3, 83),
    charKey("sbtD", "D", 3, 3, 68),
    charKey("sbtF", "F", 4, 3, 70),
    charKey("sbtG", "G", 5, 3, 71),
    charKey("sbtH", "H", 6, 3, 72),
    charKey("sbtJ", "J", 7, 3, 74),
    charKey("sbtK", "K", 8, 3, 75),
    charKey("sbtL", "L", 9, 3, 76),
    commandKey(Button, "sbtCCdil", QRect(562, 311, 60, 53), "Ç", 24, false, Command::CCedilla),
    charKey("sbtZ", "Z", 1, 4, 90),
    charKey("sbtC", "C", 3, 4, 67),
    charKey("sbtV", "V", 4, 4, 86),
    charKey("sbtB", "B", 5, 4, 66),
    charKey("sbtN", "N", 6, 4, 78),
    charKey("sbtM", "M", 7, 4, 77),
    withDisabled(
        withGlyph(commandKey(BitBtn, "sbtCorrigir", QRect(440, 365, 182, 53),
                             QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "      Apagar"), 21, false, Command::Clear),
                  1, -5),
        clWhite, clSilver),
    withDisabled(
        withGlyph(commandKey(BitBtn, "sbtPesquisa", QRect(569, 5, 144, 38),
                             QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "    Pesquisar          Observação"), 15,
                             true, Command::Search),
                  2, -5),
        clWhite, clSilver),
    withGlyph(commandKey(BitBtn, "sbtSair", QRect(13, 419, 121, 53),
                         QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Sair"), 21, false, Command::Exit),
              3),
    withAccessible(
        withDisabled(commandKey(Button, "sbtEspaco", QRect(135, 419, 304, 53), "", 24, false, Command::Space), clWhite,
                     clSilver),
        QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Espaço")),
    charKey("sbtX", "X", 2, 4, 88),
    withLayout(commandKey(BitBtn, "sbtEnter", QRect(624, 257, 90, 160),
                          QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Enter"), 21, false, Command::Enter),
               ButtonLayout::GlyphTop),
    commandKey(BitBtn, "spbConfirmar", QRect(580, 419, 134, 53),
               QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Confirmar"), 21, false, Command::Confirm),
    withGlyph(commandKey(BitBtn, "sbtEditaDesc", QRect(440, 419, 139, 53),
                         QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Editar"), 21, false, Command::EditDescription),
              4),
};

// Whole lines are marked so a translation keeps its key; Trad ignores one that does not.
constexpr std::array<const char *, 3> kMessages = {
    QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Cod_Inv|%s não cadastrado(a)."),
    QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Cod_Inf|Código deve ser informado."),
    QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "N_osb|Não existe nenhum(a) %s cadastrado(a)."),
};

} // namespace

std::span<const ControlDesc> windowControls()
{
    return kControls;
}

std::span<const char *const> messageCatalogue()
{
    return kMessages;
}

} // namespace dialog
