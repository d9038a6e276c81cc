// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/AccessibleText.h"

#include "platform/Cp1252.h"

namespace platform {

void AccessibleText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleText::cursorPosition() const
{
    return characterCount();
}

QString AccessibleText::text(int startOffset, int endOffset) const
{
    const QString all = plainText();
    // Clients ask for (0, -1) to mean "to the end".
    if (endOffset < 0 || endOffset > all.size())
        endOffset = int(all.size());
    startOffset = qBound(0, startOffset, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

QString AccessibleText::typable(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (c.isPrint() && platform::toAnsi(c))
            kept.append(c);
    return kept;
}

int AccessibleText::characterCount() const
{
    return int(plainText().size());
}

QString AccessibleText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace platform
