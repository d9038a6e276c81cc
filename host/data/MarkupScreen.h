// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringView>

namespace host {

// The XML parser compares each attribute of an element with all the others before it, so an
// element with a vast number of attributes costs quadratic time. This linear pass, fed the text
// piece by piece before the parser sees it, refuses such elements and any document type
// declaration. Raises EDatabaseError.
class MarkupScreen
{
public:
    explicit MarkupScreen(int maxAttributesPerElement);

    void feed(QStringView text);

private:
    enum class State { Text, Open, Tag, Comment, CData, Instruction };

    void step(char16_t c);
    void decideOpen();
    void tagChar(char16_t c);

    int m_maxAttributes;
    State m_state = State::Text;
    char16_t m_open[9] {}; // what follows a '<' until its kind is known
    int m_openLength = 0;
    char16_t m_last[2] {}; // the two characters before the current one, in a comment or section
    char16_t m_quote = 0;
    int m_attributes = 0;
    qsizetype m_line = 1;
};

} // namespace host
