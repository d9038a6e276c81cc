// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Code entry from the physical keyboard and the on-screen keys, and the key mapping
// that turns Qt's key events into the codes and characters the handlers test.
#include "support/DialogTest.h"
#include "support/Input.h"
#include "support/PaintCounter.h"

#include "host/controls/TBlendedBitBtn.h"
#include "platform/Cp1252.h"
#include "platform/KeyMap.h"
#include "platform/TLabel.h"

#include <QKeyEvent>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <gtest/gtest.h>

using dialog::TfrmObservacaoMod;
using platform::ShiftFlag;
using platform::ShiftState;

namespace {

class Keys : public DialogTest
{ };

TEST_F(Keys, CodeHoldsTwoAcceptedCharactersAsTyped)
{
    QString afterThree, small, touched;
    run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("123"));
        afterThree = code(f);
        press(f, Qt::Key_Delete);
        type(f, u'a');
        small = code(f);
        press(f, Qt::Key_Delete);
        tap(&f, "sbtA");
        tap(&f, "sbt0");
        tap(&f, "sbt9");
        touched = code(f);
    });
    EXPECT_EQ(afterThree, QStringLiteral("12"));
    EXPECT_EQ(small, QStringLiteral("a"));
    EXPECT_EQ(touched, QStringLiteral("A0"));
}

TEST_F(Keys, CharactersOutsideTheSetChangeNothingButRepaint)
{
    QString after;
    int paintsForRejected = 0, paintsForCcedilla = 0;
    run([&](TfrmObservacaoMod &f) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        PaintCounter counter(&f);
        press(f, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
        press(f, Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
        press(f, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
        paintsForRejected = counter.count;
        counter.count = 0;
        f.sbtCCdilClick(f.sbtCCdil); // on-screen "Ç" does not go through the key-press path
        paintsForCcedilla = counter.count;
        after = code(f);
    });
    EXPECT_GE(paintsForRejected, 3);
    EXPECT_EQ(paintsForCcedilla, 0);
    EXPECT_EQ(after, QString(QChar(0xC7)));
}

TEST_F(Keys, CedillaAndSpaceKeysRespectTheLimit)
{
    QString once, twice, typed, spaced;
    run([&](TfrmObservacaoMod &f) {
        tap(&f, "sbt7");
        tap(&f, "sbtCCdil");
        once = code(f);
        tap(&f, "sbtCCdil");
        twice = code(f);
        press(f, Qt::Key_Delete);
        press(f, Qt::Key_Ccedilla, Qt::NoModifier, QStringLiteral("ç"));
        press(f, Qt::Key_Ccedilla, Qt::ShiftModifier, QStringLiteral("Ç"));
        typed = code(f);
        press(f, Qt::Key_Delete);
        tap(&f, "sbtEspaco");
        type(f, u' ');
        tap(&f, "sbtEspaco");
        spaced = code(f);
    });
    EXPECT_EQ(once, QStringLiteral("7Ç"));
    EXPECT_EQ(twice, QStringLiteral("7Ç"));
    EXPECT_EQ(typed, QStringLiteral("çÇ"));
    EXPECT_EQ(spaced, QStringLiteral("  "));
}

TEST_F(Keys, BackspaceCutsAfterTheFirstCharacterOfALocatedCode)
{
    QStringList steps;
    QString descAfter;
    run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("01"));
        press(f, Qt::Key_Return);
        steps << code(f);
        press(f, Qt::Key_Backspace);
        steps << code(f);
        tap(&f, "spdBackSpace");
        steps << code(f);
        press(f, Qt::Key_Backspace);
        steps << code(f);
        descAfter = desc(f);
    });
    EXPECT_EQ(steps, (QStringList {QStringLiteral("01 - Sem cebola"), QStringLiteral("0"), QString(), QString()}));
    EXPECT_EQ(descAfter, QStringLiteral(" Sem cebola;"));
}

TEST_F(Keys, AfterALookupTypingIsSwallowedUntilTheFieldIsShortened)
{
    QString afterTyping, afterDelete;
    run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("02"));
        press(f, Qt::Key_Enter, Qt::KeypadModifier);
        type(f, QStringLiteral("7 "));
        tap(&f, "sbt5");
        tap(&f, "sbtCCdil");
        tap(&f, "sbtEspaco");
        afterTyping = code(f);
        press(f, Qt::Key_Delete);
        type(f, u'5');
        afterDelete = code(f);
    });
    EXPECT_EQ(afterTyping, QStringLiteral("02 - Bem passado"));
    EXPECT_EQ(afterDelete, QStringLiteral("5"));
}

TEST_F(Keys, AltShortcutsNeedAltAloneAndIgnoreCapsLock)
{
    run([&](TfrmObservacaoMod &f) {
        press(f, Qt::Key_P, Qt::ControlModifier, QStringLiteral("\x10"));
        press(f, Qt::Key_P, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("P"));
        EXPECT_TRUE(h.pesquisaCalls.isEmpty());
        // Alt with a mouse button held is not Alt alone.
        quint16 p = 'P';
        f.FormKeyDown(&f, p, ShiftState(ShiftFlag::Alt) | ShiftFlag::Left);
        EXPECT_TRUE(h.pesquisaCalls.isEmpty());
        press(f, Qt::Key_P, Qt::AltModifier, QStringLiteral("P")); // Caps Lock on
        EXPECT_EQ(h.pesquisaCalls.size(), 1);
        press(f, Qt::Key_P, Qt::AltModifier, QStringLiteral("p"));
        EXPECT_EQ(h.pesquisaCalls.size(), 2);
        EXPECT_EQ(code(f), QString()); // Alt+P typed no "p"
        press(f, Qt::Key_E, Qt::AltModifier, QStringLiteral("e"));
        EXPECT_EQ(h.editaCalls.size(), 1);
        EXPECT_EQ(code(f), QString());
    });
}

TEST_F(Keys, CtrlAltStillTypes)
{
    QString typed;
    run([&](TfrmObservacaoMod &f) {
        press(f, Qt::Key_Ccedilla, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("ç"));
        typed = code(f);
    });
    EXPECT_EQ(typed, QStringLiteral("ç"));
}

// Super+letter and Ctrl+Alt with a key that types nothing are the desktop's chords.
TEST_F(Keys, DesktopChordsNeitherTypeNorEdit)
{
    QString afterChords, afterBackspace;
    run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("0"));
        press(f, Qt::Key_D, Qt::MetaModifier, QStringLiteral("d"));
        press(f, Qt::Key_1, Qt::MetaModifier | Qt::ShiftModifier, QStringLiteral("!"));
        press(f, Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier);
        press(f, Qt::Key_Backspace, Qt::MetaModifier);
        afterChords = code(f);
        press(f, Qt::Key_Backspace);
        afterBackspace = code(f);
    });
    EXPECT_EQ(afterChords, QStringLiteral("0"));
    EXPECT_EQ(afterBackspace, QString());
}

TEST_F(Keys, AltCConfirms)
{
    const QVariant r = run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("02"));
        press(f, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
    });
    EXPECT_FALSE(h.leftOpen);
    ASSERT_EQ(r.toList().size(), 8);
    EXPECT_EQ(r.toList().at(0), QVariant(QStringLiteral("02")));
}

TEST_F(Keys, AltF4IsSwallowedButWithShiftItClosesTheWindow)
{
    bool openAfterAltF4 = false;
    const QVariant r = run([&](TfrmObservacaoMod &f) {
        press(f, Qt::Key_F4, Qt::AltModifier);
        openAfterAltF4 = f.isVisible();
        press(f, Qt::Key_F4, Qt::AltModifier | Qt::ShiftModifier);
    });
    EXPECT_TRUE(openAfterAltF4);
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Keys, EscapeWithAnyModifiersLeaves)
{
    const QVariant r = run([&](TfrmObservacaoMod &f) {
        type(f, QStringLiteral("01"));
        press(f, Qt::Key_Return);
        press(f, Qt::Key_Escape, Qt::ShiftModifier);
    });
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(r.toList(), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Keys, EveryCharacterKeyTypesItsCaption)
{
    QStringList mismatches;
    run([&](TfrmObservacaoMod &f) {
        const QString keys = QStringLiteral("1234567890QWERTYUIOPASDFGHJKLZXCVBNM");
        for (QChar c : keys) {
            f.lblInformacao->SetCaption(QString());
            auto *key = qobject_cast<host::TBlendedButton *>(f.control(QStringLiteral("sbt") + c));
            if (!key) {
                mismatches << c;
                continue;
            }
            key->click();
            const QString touched = code(f);
            f.lblInformacao->SetCaption(QString());
            type(f, c);
            if (touched != QString(c) || code(f) != QString(c) || key->text() != QString(c))
                mismatches << c;
        }
    });
    EXPECT_TRUE(mismatches.isEmpty()) << mismatches.join(u',').toStdString();
}

// ---- the key mapping itself ----

TEST(KeyMap, LettersAndDigitsMapByKeyWhateverTheCase)
{
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_P, false), 80);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_0, false), 48);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_0, true), platform::vk::Numpad0);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Return, false), 13);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Enter, true), 13);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Backspace, false), 8);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Delete, false), 46);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Escape, false), 27);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_F4, false), 115);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_F12, false), 123);
    EXPECT_EQ(platform::virtualKeyFromQt(Qt::Key_Exclam, false), '1'); // Shift+1
    const QKeyEvent shifted(QEvent::KeyPress, Qt::Key_P, Qt::ShiftModifier, QStringLiteral("P"));
    EXPECT_EQ(platform::virtualKey(shifted), 80);
}

TEST(KeyMap, ModifiersAndMouseButtonsFormOneSet)
{
    EXPECT_EQ(platform::shiftState(Qt::AltModifier, Qt::NoButton), ShiftState(ShiftFlag::Alt));
    EXPECT_EQ(platform::shiftState(Qt::AltModifier | Qt::ShiftModifier, Qt::RightButton),
              ShiftState(ShiftFlag::Alt) | ShiftFlag::Shift | ShiftFlag::Right);
    EXPECT_EQ(platform::shiftState(Qt::KeypadModifier, Qt::NoButton), ShiftState());
}

TEST(KeyMap, TypedCharactersAreWindows1252OrNothing)
{
    const auto typed = [](Qt::KeyboardModifiers mods, const QString &text) {
        return platform::typedCharacter(QKeyEvent(QEvent::KeyPress, Qt::Key_A, mods, text));
    };
    EXPECT_EQ(typed(Qt::NoModifier, QStringLiteral("é")), std::optional<char>(char(233)));
    EXPECT_EQ(typed(Qt::NoModifier, QStringLiteral("€")), std::optional<char>(char(0x80)));
    EXPECT_EQ(typed(Qt::NoModifier, QStringLiteral("Ā")), std::nullopt); // not in the code page
    EXPECT_EQ(typed(Qt::NoModifier, QStringLiteral("ж")), std::nullopt);
    EXPECT_EQ(typed(Qt::AltModifier, QStringLiteral("e")), std::nullopt);
    EXPECT_EQ(typed(Qt::AltModifier | Qt::ControlModifier, QStringLiteral("ç")), std::optional<char>(char(231)));
    EXPECT_EQ(typed(Qt::NoModifier, QString()), std::nullopt);
    // Super+D and Hyper+D carry the text "d" but are desktop chords.
    EXPECT_EQ(typed(Qt::MetaModifier, QStringLiteral("d")), std::nullopt);
    EXPECT_EQ(typed(Qt::MetaModifier | Qt::ShiftModifier, QStringLiteral("D")), std::nullopt);
    EXPECT_EQ(typed(Qt::ShiftModifier, QStringLiteral("D")), std::optional<char>('D'));
    EXPECT_EQ(platform::fromAnsi(char(0x80)), QChar(0x20AC));
    EXPECT_EQ(platform::fromAnsi(char(199)), QChar(0xC7));
}

// The built-in code page against the system's converter, where Qt has one: every byte, and
// every character of the first plane, read and written the same way.
TEST(Cp1252, AgreesWithTheSystemConverterOnEveryCode)
{
    if (!QStringDecoder("windows-1252").isValid())
        GTEST_SKIP() << "this Qt has no windows-1252 converter";
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
        const QString system = decoder.decode(QByteArray(1, char(b)));
        ASSERT_EQ(system.size(), 1) << b;
        EXPECT_EQ(platform::fromAnsi(char(b)), system.at(0)) << b;
        all.append(char(b));
    }
    QStringDecoder whole("windows-1252", QStringConverter::Flag::Stateless);
    EXPECT_EQ(platform::fromAnsi(all), whole.decode(all));

    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const QChar c {char16_t(u)};
        if (c.isSurrogate())
            continue;
        QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray system = encoder.encode(QStringView(&c, 1));
        const std::optional<char> ours = platform::toAnsi(c);
        if (encoder.hasError())
            EXPECT_EQ(ours, std::nullopt) << unsigned(u);
        else
            EXPECT_EQ(ours, std::optional<char>(system.at(0))) << unsigned(u);
    }
}

// The codes the code page leaves undefined keep their number both ways, and a C1 control
// in a text reads as the code page's character; those five stay as they are.
TEST(Cp1252, UndefinedCodesAndControlCharacters)
{
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(platform::fromAnsi(char(b)), QChar(b)) << int(b);
        EXPECT_EQ(platform::toAnsi(QChar(b)), std::optional<char>(char(b))) << int(b);
    }
    EXPECT_EQ(platform::toAnsi(QChar(0x80)), std::nullopt); // 0x80 is the euro sign
    EXPECT_EQ(platform::toAnsi(QChar(0x20AC)), std::optional<char>(char(0x80)));
    EXPECT_EQ(platform::fromAnsi(QByteArrayView("\x93P\xe3o\x94 \x80", 7)), QStringLiteral("“Pão” €"));

    QString text = QStringLiteral("a\u0080b\u0081c\u009Fd\u00A0");
    platform::ansiControlsToText(text);
    EXPECT_EQ(text, QStringLiteral("a€b\u0081cŸd\u00A0"));
    QString plain = QString::fromLatin1("sem controles"); // allocated: a literal shares nothing
    const QString before = plain;
    platform::ansiControlsToText(plain);
    EXPECT_EQ(plain, before);
    EXPECT_TRUE(plain.isSharedWith(before)); // left alone, not copied
}

} // namespace
