// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The demo host's script language: tokens, typed characters and key names, and what
// the platform layer makes of the key events they become.
#include "demo/driver/ScriptParser.h"
#include "platform/KeyMap.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using demo::ScriptStep;
namespace ScriptParser = demo::ScriptParser;

namespace {

struct Stroke
{
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

void expectStroke(const std::optional<ScriptStep> &step, const Stroke &want, const char *what)
{
    ASSERT_TRUE(step.has_value()) << what;
    EXPECT_EQ(step->kind, ScriptStep::Kind::Key) << what;
    EXPECT_EQ(step->qtKey, want.key) << what;
    EXPECT_EQ(step->modifiers, want.modifiers) << what;
    EXPECT_EQ(step->text, want.text) << what;
}

// The step as the dialog's key handlers see it: virtual key, modifier set, character.
struct Delivered
{
    quint16 vk;
    platform::ShiftState shift;
    std::optional<char> character;
};

Delivered deliveredAs(const ScriptStep &step)
{
    const QKeyEvent e(QEvent::KeyPress, step.qtKey, step.modifiers, step.text);
    return {platform::virtualKey(e), platform::shiftState(e.modifiers(), Qt::NoButton), platform::typedCharacter(e)};
}

} // namespace

TEST(ScriptKeys, SingleCharactersAreTypedWithTheirKeyAndText)
{
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("0")), {Qt::Key_0, Qt::NoModifier, QStringLiteral("0")},
                 "0");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("a")), {Qt::Key_A, Qt::NoModifier, QStringLiteral("a")},
                 "a");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("A")), {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")},
                 "A");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("Ç")),
                 {Qt::Key_Ccedilla, Qt::ShiftModifier, QStringLiteral("Ç")}, "Ç");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("ç")),
                 {Qt::Key_Ccedilla, Qt::NoModifier, QStringLiteral("ç")}, "ç");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("é")),
                 {Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é")}, "é");
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("-")),
                 {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")}, "-");
    // ÿ's capital lies outside Latin-1; Qt keeps the small letter's own key.
    expectStroke(ScriptParser::typedCharacter(QStringLiteral("ÿ")),
                 {Qt::Key_ydiaeresis, Qt::NoModifier, QStringLiteral("ÿ")}, "ÿ");

    EXPECT_FALSE(ScriptParser::typedCharacter(QString()).has_value());
    EXPECT_FALSE(ScriptParser::typedCharacter(QStringLiteral("ab")).has_value());
}

TEST(ScriptKeys, KeyNamesIgnoreCaseAndTakeModifiersInAnyOrder)
{
    const struct
    {
        const char *name;
        Stroke want;
    } cases[] = {
        {"return", {Qt::Key_Return, {}, QStringLiteral("\r")}},
        {"Enter", {Qt::Key_Return, {}, QStringLiteral("\r")}},
        {"ESCAPE", {Qt::Key_Escape, {}, QStringLiteral("\x1b")}},
        {"f12", {Qt::Key_F12, {}, QString()}},
        // A letter with modifiers names its key: Shift alone decides the case.
        {"Alt+P", {Qt::Key_P, Qt::AltModifier, QStringLiteral("p")}},
        {"alt+p", {Qt::Key_P, Qt::AltModifier, QStringLiteral("p")}},
        {"Shift+a", {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")}},
        {"Alt+Shift+F4", {Qt::Key_F4, Qt::AltModifier | Qt::ShiftModifier, QString()}},
        {"Shift+Alt+F4", {Qt::Key_F4, Qt::AltModifier | Qt::ShiftModifier, QString()}},
        // Ctrl turns a letter into its control code, as keyboards do.
        {"Ctrl+P", {Qt::Key_P, Qt::ControlModifier, QString(QChar(0x10))}},
        {"Ctrl+Return", {Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r")}},
        {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("\t")}},
        {"Alt++", {Qt::Key_Plus, Qt::AltModifier, QStringLiteral("+")}},
    };
    for (const auto &c : cases)
        expectStroke(ScriptParser::parseKey(QString::fromUtf8(c.name)), c.want, c.name);

    for (const char *bad : {"F0", "F13", "F01", "Retur", "Returnx", "Alt+", "Alt+Foo", "Meta+P", ""})
        EXPECT_FALSE(ScriptParser::parseKey(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(ScriptKeys, TheDialogSeesTheCodesAPhysicalKeyboardGives)
{
    auto key = [](const char *token) { return deliveredAs(*ScriptParser::parseKey(QString::fromUtf8(token))); };
    using platform::ShiftFlag;

    Delivered d = key("Ç");
    EXPECT_EQ(d.shift, platform::ShiftState(ShiftFlag::Shift));
    EXPECT_EQ(d.character, std::optional<char>(char(199)));
    EXPECT_EQ(key("ç").character, std::optional<char>(char(231)));
    EXPECT_EQ(key("é").character, std::optional<char>(char(0xE9)));

    d = key("a");
    EXPECT_EQ(d.vk, quint16('A'));
    EXPECT_EQ(d.character, std::optional<char>('a'));

    // Alt+letter: the key with Alt alone and no character, so only the shortcut acts.
    d = key("Alt+C");
    EXPECT_EQ(d.vk, quint16('C'));
    EXPECT_EQ(d.shift, platform::ShiftState(ShiftFlag::Alt));
    EXPECT_FALSE(d.character.has_value());

    d = key("Alt+Shift+F4");
    EXPECT_EQ(d.vk, platform::vk::F4);
    EXPECT_EQ(d.shift, ShiftFlag::Alt | ShiftFlag::Shift);

    EXPECT_EQ(key("Return").vk, platform::vk::Return);
    EXPECT_EQ(key("Backspace").vk, platform::vk::Back);
    EXPECT_EQ(key("Delete").vk, platform::vk::Delete);
    EXPECT_EQ(key("Shift+Escape").vk, platform::vk::Escape);
    EXPECT_EQ(key("Ctrl+P").character, std::optional<char>(char(0x10)));
}

TEST(ScriptTokens, BlanksSeparateTokensDeliveredInOrder)
{
    const ScriptParser::Result r = ScriptParser::parse(QStringLiteral("  0\t1\n Return   Alt+C "));
    ASSERT_TRUE(r.ok()) << qPrintable(r.error);
    ASSERT_EQ(r.steps.size(), 4);
    EXPECT_EQ(r.steps[0].qtKey, Qt::Key_0);
    EXPECT_EQ(r.steps[1].qtKey, Qt::Key_1);
    EXPECT_EQ(r.steps[2].qtKey, Qt::Key_Return);
    EXPECT_EQ(r.steps[3].qtKey, Qt::Key_C);
    EXPECT_EQ(r.steps[3].token, QStringLiteral("Alt+C"));

    const ScriptParser::Result empty = ScriptParser::parse(QStringLiteral("   "));
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.steps.isEmpty());
}

TEST(ScriptTokens, TypeTapCloseAndShot)
{
    const ScriptParser::Result r
        = ScriptParser::parse(QStringLiteral("type:Nós tap:btnOk close CLOSE shot:out/win.png type:"));
    ASSERT_TRUE(r.ok()) << qPrintable(r.error);
    ASSERT_EQ(r.steps.size(), 7);

    // type: is one key stroke per character, each with the typing rules.
    EXPECT_EQ(r.steps[0].qtKey, Qt::Key_N);
    EXPECT_EQ(r.steps[0].modifiers, Qt::ShiftModifier);
    EXPECT_EQ(r.steps[1].text, QStringLiteral("ó"));
    EXPECT_EQ(r.steps[1].qtKey, Qt::Key_Oacute);
    EXPECT_EQ(r.steps[2].text, QStringLiteral("s"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r.steps[i].token, QStringLiteral("type:Nós"));

    EXPECT_EQ(r.steps[3].kind, ScriptStep::Kind::Tap);
    EXPECT_EQ(r.steps[3].argument, QStringLiteral("btnOk"));
    EXPECT_EQ(r.steps[4].kind, ScriptStep::Kind::Close);
    EXPECT_EQ(r.steps[5].kind, ScriptStep::Kind::Close);
    EXPECT_EQ(r.steps[6].kind, ScriptStep::Kind::Shot);
    EXPECT_EQ(r.steps[6].argument, QStringLiteral("out/win.png"));
}

TEST(ScriptTokens, ABadTokenIsNamedAndFailsTheWholeScript)
{
    ScriptParser::Result r = ScriptParser::parse(QStringLiteral("0 1 Retrun Alt+C"));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("\"Retrun\""))) << qPrintable(r.error);

    r = ScriptParser::parse(QStringLiteral("tap: Escape"));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("tap:"))) << qPrintable(r.error);

    r = ScriptParser::parse(QStringLiteral("shot:"));
    EXPECT_FALSE(r.ok());

    // Only the three prefixes take an argument.
    r = ScriptParser::parse(QStringLiteral("press:A"));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("press:A"))) << qPrintable(r.error);
}
