// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/MarkupScreen.h"

#include "platform/Exception.h"

#include <QString>

namespace host {

namespace {

constexpr char16_t Comment[] = u"<!--";
constexpr char16_t CData[] = u"<![CDATA[";
constexpr char16_t Doctype[] = u"<!DOCTYPE";

// True when the first length characters of candidate (case ignored: ASCII only) agree with word.
bool agrees(const char16_t *candidate, int length, const char16_t *word, bool ignoreCase)
{
    for (int i = 0; i < length; ++i) {
        if (word[i] == 0)
            return false;
        char16_t c = candidate[i];
        if (ignoreCase && c >= u'a' && c <= u'z')
            c = char16_t(c - u'a' + u'A');
        if (c != word[i])
            return false;
    }
    return true;
}

int lengthOf(const char16_t *word)
{
    int n = 0;
    while (word[n] != 0)
        ++n;
    return n;
}

} // namespace

MarkupScreen::MarkupScreen(int maxAttributesPerElement)
    : m_maxAttributes(maxAttributesPerElement)
{ }

void MarkupScreen::feed(QStringView text)
{
    for (const QChar ch : text)
        step(ch.unicode());
}

void MarkupScreen::step(char16_t c)
{
    if (c == u'\n')
        ++m_line;
    switch (m_state) {
    case State::Text:
        if (c == u'<') {
            m_open[0] = c;
            m_openLength = 1;
            m_state = State::Open;
        }
        return;
    case State::Open:
        m_open[m_openLength++] = c;
        decideOpen();
        return;
    case State::Tag:
        tagChar(c);
        return;
    case State::Comment:
    case State::CData:
    case State::Instruction: {
        const bool ends = c == u'>'
            && (m_state == State::Comment     ? m_last[0] == u'-' && m_last[1] == u'-'
                    : m_state == State::CData ? m_last[0] == u']' && m_last[1] == u']'
                                              : m_last[1] == u'?');
        m_last[0] = m_last[1];
        m_last[1] = c;
        if (ends)
            m_state = State::Text;
        return;
    }
    }
}

// Called with each character after a '<' until the markup's kind is known.
void MarkupScreen::decideOpen()
{
    const int n = m_openLength;
    auto enter = [this](State state) {
        m_state = state;
        m_last[0] = m_last[1] = 0;
    };
    if (n == 2 && m_open[1] == u'?')
        return enter(State::Instruction);
    if (agrees(m_open, n, Doctype, true)) {
        if (n == lengthOf(Doctype))
            throw platform::EDatabaseError(
                QStringLiteral("o arquivo tem uma declaração de tipo de documento (DTD), que não é aceita"));
        return;
    }
    const bool comment = agrees(m_open, n, Comment, false);
    const bool cdata = agrees(m_open, n, CData, false);
    if (comment && n == lengthOf(Comment))
        return enter(State::Comment);
    if (cdata && n == lengthOf(CData))
        return enter(State::CData);
    if (comment || cdata)
        return;
    // An element's tag: what came after the '<' counts as part of it.
    m_state = State::Tag;
    m_quote = 0;
    m_attributes = 0;
    for (int i = 1; i < n && m_state == State::Tag; ++i)
        tagChar(m_open[i]);
}

void MarkupScreen::tagChar(char16_t c)
{
    if (m_quote != 0) {
        if (c == m_quote)
            m_quote = 0;
    } else if (c == u'"' || c == u'\'') {
        m_quote = c;
    } else if (c == u'=') {
        if (++m_attributes > m_maxAttributes)
            throw platform::EDatabaseError(
                QStringLiteral("um elemento na linha %1 tem mais de %2 atributos").arg(m_line).arg(m_maxAttributes));
    } else if (c == u'>') {
        m_state = State::Text;
    } else if (c == u'<') {
        m_open[0] = c;
        m_openLength = 1;
        m_state = State::Open;
    }
}

} // namespace host
