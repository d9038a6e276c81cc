// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Cp1252.h"

namespace platform {

namespace {

// The characters of the codes 0x80 to 0x9F; the undefined codes keep their own number.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t decoded(unsigned char b)
{
    return b >= 0x80 && b <= 0x9F ? High[b - 0x80] : char16_t(b);
}

} // namespace

std::optional<char> toAnsi(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (High[i] == u)
            return char(0x80 + i);
    return std::nullopt;
}

QChar fromAnsi(char c)
{
    return QChar(decoded(static_cast<unsigned char>(c)));
}

QString fromAnsi(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(decoded(in[i]));
    return text;
}

void ansiControlsToText(QString &text)
{
    // Most texts have none: look before detaching the string.
    const auto isControl = [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0x9F; };
    qsizetype i = 0;
    while (i < text.size() && !isControl(text.at(i)))
        ++i;
    if (i == text.size())
        return;
    QChar *p = text.data();
    for (; i < text.size(); ++i)
        if (isControl(p[i]))
            p[i] = QChar(High[p[i].unicode() - 0x80]);
}

} // namespace platform
