// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/driver/ScriptParser.h"

#include <QRegularExpression>

namespace demo::ScriptParser {

namespace {

struct NamedKey
{
    const char *name;
    Qt::Key key;
    const char *text; // what the key types, as Qt reports it on X11
};

// Enter and Esc are spelt as on the dialog's keys and as people say them.
constexpr NamedKey kNamedKeys[] = {
    {"Return", Qt::Key_Return, "\r"},   {"Enter", Qt::Key_Return, "\r"},    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Delete", Qt::Key_Delete, "\x7f"}, {"Escape", Qt::Key_Escape, "\x1b"}, {"Esc", Qt::Key_Escape, "\x1b"},
    {"Space", Qt::Key_Space, " "},      {"Tab", Qt::Key_Tab, "\t"},         {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},         {"Left", Qt::Key_Left, ""},         {"Right", Qt::Key_Right, ""},
    {"Home", Qt::Key_Home, ""},         {"End", Qt::Key_End, ""},
};

struct Modifier
{
    QLatin1StringView prefix;
    Qt::KeyboardModifier modifier;
};

const Modifier kModifiers[] = {
    {QLatin1StringView("Alt+"), Qt::AltModifier},
    {QLatin1StringView("Shift+"), Qt::ShiftModifier},
    {QLatin1StringView("Ctrl+"), Qt::ControlModifier},
};

std::optional<char32_t> singleCodePoint(const QString &s)
{
    const QList<uint> ucs = s.toUcs4();
    if (ucs.size() != 1)
        return std::nullopt;
    return char32_t(ucs.first());
}

// Qt names a character's key by its capital, as long as that stays in Latin-1 (ÿ's
// capital does not, and its key is Qt::Key_ydiaeresis).
int keyOfCharacter(char32_t c)
{
    const char32_t upper = QChar::toUpper(c);
    return (c <= 0xFF && upper > 0xFF) ? int(c) : int(upper);
}

bool isAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<ScriptStep> namedKey(const QString &name, Qt::KeyboardModifiers modifiers)
{
    ScriptStep step;
    step.modifiers = modifiers;
    for (const NamedKey &k : kNamedKeys) {
        if (name.compare(QLatin1StringView(k.name), Qt::CaseInsensitive) == 0) {
            step.qtKey = k.key;
            step.text = QString::fromLatin1(k.text);
            // Qt reports Shift+Tab as its own key.
            if (k.key == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier))
                step.qtKey = Qt::Key_Backtab;
            return step;
        }
    }
    if (name.size() >= 2 && name.at(0).toUpper() == u'F') {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12 && name.mid(1) == QString::number(n)) {
            step.qtKey = Qt::Key_F1 + (n - 1);
            return step;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ScriptStep> typedCharacter(const QString &character)
{
    const std::optional<char32_t> c = singleCodePoint(character);
    if (!c)
        return std::nullopt;
    ScriptStep step;
    step.token = character;
    step.qtKey = keyOfCharacter(*c);
    step.text = character;
    if (QChar::isUpper(*c))
        step.modifiers = Qt::ShiftModifier;
    return step;
}

std::optional<ScriptStep> parseKey(const QString &name)
{
    Qt::KeyboardModifiers modifiers;
    QString base = name;
    for (bool matched = true; matched;) {
        matched = false;
        for (const Modifier &m : kModifiers) {
            // "Alt++" is Alt with the plus key; a bare "Alt+" names no key.
            if (base.size() > m.prefix.size() && base.startsWith(m.prefix, Qt::CaseInsensitive)) {
                modifiers |= m.modifier;
                base = base.mid(m.prefix.size());
                matched = true;
            }
        }
    }

    std::optional<ScriptStep> step;
    if (const std::optional<char32_t> c = singleCodePoint(base)) {
        if (modifiers == Qt::NoModifier) {
            step = typedCharacter(base);
        } else {
            // A key pressed with modifiers: letters are named by their key, so Shift
            // alone decides the case, and Ctrl turns a letter into its control code.
            step = ScriptStep {};
            step->qtKey = keyOfCharacter(*c);
            step->modifiers = modifiers;
            if (modifiers.testFlag(Qt::ControlModifier) && isAsciiLetter(*c))
                step->text = QChar(char16_t(QChar::toUpper(*c) - u'A' + 1));
            else if (QChar::isLetter(*c))
                step->text = modifiers.testFlag(Qt::ShiftModifier) ? QString(base).toUpper() : QString(base).toLower();
            else
                step->text = base;
        }
    } else {
        step = namedKey(base, modifiers);
    }
    if (step)
        step->token = name;
    return step;
}

Result parse(const QString &script)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    Result result;
    const QStringList tokens = script.split(blanks, Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token.startsWith(QLatin1StringView("type:"))) {
            const QString text = token.mid(5);
            for (const uint code : text.toUcs4()) {
                const char32_t c = code;
                ScriptStep step = *typedCharacter(QString::fromUcs4(&c, 1));
                step.token = token;
                result.steps.append(step);
            }
        } else if (token.startsWith(QLatin1StringView("tap:"))) {
            if (token.size() == 4) {
                result.error = QStringLiteral("\"tap:\" names no control");
                return result;
            }
            ScriptStep step;
            step.kind = ScriptStep::Kind::Tap;
            step.token = token;
            step.argument = token.mid(4);
            result.steps.append(step);
        } else if (token.startsWith(QLatin1StringView("shot:"))) {
            if (token.size() == 5) {
                result.error = QStringLiteral("\"shot:\" names no file");
                return result;
            }
            ScriptStep step;
            step.kind = ScriptStep::Kind::Shot;
            step.token = token;
            step.argument = token.mid(5);
            result.steps.append(step);
        } else if (token.compare(QLatin1StringView("close"), Qt::CaseInsensitive) == 0) {
            ScriptStep step;
            step.kind = ScriptStep::Kind::Close;
            step.token = token;
            result.steps.append(step);
        } else if (std::optional<ScriptStep> step = parseKey(token)) {
            result.steps.append(*step);
        } else {
            result.error = QStringLiteral("unknown key \"%1\"").arg(token);
            return result;
        }
    }
    return result;
}

} // namespace demo::ScriptParser
