// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/PacketText.h"

#include "platform/Cp1252.h"
#include "platform/Exception.h"

#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>

namespace host {

namespace {

constexpr qint64 PieceBytes = 64 * 1024;

[[noreturn]] void fail(const QString &problem)
{
    throw platform::EDatabaseError(problem);
}

// The names of the C0 control characters.
constexpr const char *ControlNames[32] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",  "VT",  "FF", "CR", "SO", "SI",
    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS", "GS", "RS", "US",
};

// XML 1.0 admits tab, line feed and carriage return of the C0 controls, and no other.
bool refusedControl(char16_t c)
{
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

[[noreturn]] void failControl(char16_t c, qint64 position, qint64 line)
{
    fail(QStringLiteral("o arquivo tem o caractere de controle %1 (código %2) no byte %3 (linha %4), "
                        "que o XML não admite")
             .arg(QLatin1String(ControlNames[c]))
             .arg(int(c))
             .arg(position)
             .arg(line));
}

bool blank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isWide(QStringConverter::Encoding e)
{
    return e == QStringConverter::Utf16 || e == QStringConverter::Utf16LE || e == QStringConverter::Utf16BE
        || e == QStringConverter::Utf32 || e == QStringConverter::Utf32LE || e == QStringConverter::Utf32BE;
}

bool is32(QStringConverter::Encoding e)
{
    return e == QStringConverter::Utf32 || e == QStringConverter::Utf32LE || e == QStringConverter::Utf32BE;
}

} // namespace

PacketText::PacketText(QIODevice &in, qint64 maxBytes)
    : m_in(in)
    , m_maxBytes(maxBytes)
{ }

// Reads until atLeast bytes are at hand or the device has no more; an empty result is the end.
QByteArray PacketText::readBytes(qint64 atLeast)
{
    QByteArray bytes;
    while (bytes.size() < atLeast) {
        // One byte beyond the limit tells a file that passes it, whatever size it reported.
        const qint64 allowed = std::min(PieceBytes, m_maxBytes - m_read + 1);
        const qsizetype had = bytes.size();
        bytes.resize(had + qsizetype(allowed));
        const qint64 got = m_in.read(bytes.data() + had, allowed);
        if (got < 0)
            fail(QStringLiteral("falha de leitura (%1)").arg(m_in.errorString()));
        bytes.resize(had + qsizetype(got));
        if (got == 0)
            break;
        m_read += got;
        if (m_read > m_maxBytes)
            fail(QStringLiteral("o arquivo passa do limite de %1 bytes").arg(m_maxBytes));
    }
    return bytes;
}

QString PacketText::next()
{
    if (m_ended)
        return QString();
    QByteArray bytes = readBytes(m_started ? 1 : 512);
    if (!m_started) {
        m_started = true;
        start(bytes);
    }
    const bool last = bytes.isEmpty();
    if (m_mode != Mode::Wide) {
        checkStart(QString(), bytes);
        checkControlBytes(bytes);
    }
    QString text = decode(bytes, last);
    if (m_mode == Mode::Wide) {
        checkStart(text, QByteArray());
        checkControlChars(text);
    }
    m_offset += bytes.size();
    if (last) {
        m_ended = true;
        if (!m_sawStart)
            fail(QStringLiteral("o arquivo está vazio"));
    }
    return text;
}

// Settles the encoding from the first bytes.
void PacketText::start(QByteArray &first)
{
    if (first.isEmpty())
        fail(QStringLiteral("o arquivo está vazio"));
    if (first.startsWith("\x96\x19\xE0\xBD"))
        fail(QStringLiteral("o arquivo está no formato binário do pacote de dados; só o formato XML é aceito"));

    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(first, u'<');
    if (encoding) {
        m_encodingName = QString::fromLatin1(QStringConverter::nameForEncoding(*encoding));
    } else {
        static const QRegularExpression declaration(
            QStringLiteral("^\\s*<\\?xml\\s[^>]*?\\bencoding\\s*=\\s*([\"'])([^\"']*)\\1"));
        const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(first.left(512)));
        if (!match.hasMatch())
            return; // Mode::Auto
        m_encodingName = match.captured(2).trimmed();
        encoding = QStringConverter::encodingForName(m_encodingName.toLatin1().constData());
    }

    if (encoding == QStringConverter::Utf8) {
        m_mode = Mode::Utf8;
        if (first.startsWith("\xEF\xBB\xBF")) {
            first.remove(0, 3);
            m_offset = 3;
        }
        return;
    }
    if (encoding && isWide(*encoding)) {
        m_mode = Mode::Wide;
        m_wideUnit = is32(*encoding) ? 4 : 2;
        m_decoder.emplace(*encoding);
        const bool bom32
            = first.startsWith(QByteArray("\xFF\xFE\0\0", 4)) || first.startsWith(QByteArray("\0\0\xFE\xFF", 4));
        const bool bom16 = first.startsWith("\xFF\xFE") || first.startsWith("\xFE\xFF");
        m_wideOffset = m_wideUnit == 4 ? (bom32 ? 4 : 0) : (bom16 ? 2 : 0);
        return;
    }
    // The host's own code page is read by the codec its keys use, whatever Qt was built with.
    for (const char *name : {"windows-1252", "cp1252", "x-cp1252"}) {
        if (m_encodingName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            m_mode = Mode::Ansi;
            return;
        }
    }
    m_mode = Mode::Narrow;
    m_decoder.emplace(m_encodingName.toLatin1().constData());
    if (!m_decoder->isValid())
        fail(QStringLiteral("a codificação '%1' declarada no arquivo não é suportada").arg(m_encodingName));
}

QString PacketText::decode(const QByteArray &bytes, bool last)
{
    if (m_mode == Mode::Auto || m_mode == Mode::Utf8)
        return decodeAuto(bytes, last);
    if (m_mode == Mode::Ansi)
        return platform::fromAnsi(bytes);
    QString text = m_decoder->decode(bytes);
    const bool oddTail = last && m_mode == Mode::Wide && (m_offset % m_wideUnit) != 0;
    if (m_decoder->hasError() || oddTail)
        fail(QStringLiteral("o conteúdo não é texto válido na codificação '%1'").arg(m_encodingName));
    return text;
}

// UTF-8, or Windows-1252 for a file in which no multi-byte UTF-8 sequence came first.
QString PacketText::decodeAuto(const QByteArray &bytes, bool last)
{
    scanUtf8(bytes, last);
    if (m_firstInvalid >= 0 && m_mode == Mode::Utf8)
        fail(QStringLiteral("o conteúdo não é texto válido na codificação '%1': o byte 0x%2 no byte %3 não é UTF-8")
                 .arg(m_encodingName)
                 .arg(m_invalidByte, 2, 16, QLatin1Char('0'))
                 .arg(m_firstInvalid));
    if (m_firstInvalid >= 0 && m_sawMultiByte)
        failMixed();

    if (m_cp1252)
        return platform::fromAnsi(bytes);

    const QByteArray data = m_pending + bytes;
    const qint64 base = m_offset - m_pending.size();
    if (m_firstInvalid >= 0) {
        // Everything before the first byte that is not UTF-8 is plain ASCII.
        const qsizetype cut = qsizetype(m_firstInvalid - base);
        m_cp1252 = true;
        m_pending.clear();
        return QString::fromLatin1(data.left(cut)) + platform::fromAnsi(QByteArrayView(data).sliced(cut));
    }
    qsizetype end = data.size();
    if (m_need > 0)
        end = qsizetype(m_sequenceStart - base);
    m_pending = data.mid(end);
    return QString::fromUtf8(data.left(end));
}

// Follows UTF-8 sequences across pieces: notes the first byte that breaks one and whether a
// complete multi-byte sequence was seen.
void PacketText::scanUtf8(const QByteArray &bytes, bool last)
{
    auto invalid = [this](qint64 position, unsigned char byte) {
        if (m_firstInvalid < 0) {
            m_firstInvalid = position;
            m_invalidByte = byte;
        }
    };
    auto lead = [&](unsigned char b, qint64 position) {
        m_low = 0x80;
        m_high = 0xBF;
        if (b < 0x80)
            return;
        m_sequenceStart = position;
        m_sequenceLead = b;
        if (b >= 0xC2 && b <= 0xDF) {
            m_need = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_need = 2;
            if (b == 0xE0)
                m_low = 0xA0; // no overlong forms
            else if (b == 0xED)
                m_high = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_need = 3;
            if (b == 0xF0)
                m_low = 0x90;
            else if (b == 0xF4)
                m_high = 0x8F; // nothing beyond U+10FFFF
        } else {
            invalid(position, b);
        }
    };
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = p[i];
        if (m_need == 0) {
            if (b >= 0x80)
                lead(b, m_offset + i);
        } else if (b >= m_low && b <= m_high) {
            m_low = 0x80;
            m_high = 0xBF;
            if (--m_need == 0)
                m_sawMultiByte = true;
        } else {
            invalid(m_sequenceStart, m_sequenceLead);
            m_need = 0;
            lead(b, m_offset + i);
        }
    }
    if (last && m_need > 0) {
        invalid(m_sequenceStart, m_sequenceLead);
        m_need = 0;
    }
}

void PacketText::failMixed() const
{
    fail(QStringLiteral("o arquivo mistura texto UTF-8 com bytes que não são UTF-8; o primeiro deles, 0x%1, "
                        "está no byte %2")
             .arg(m_invalidByte, 2, 16, QLatin1Char('0'))
             .arg(m_firstInvalid));
}

void PacketText::checkControlBytes(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (p[i] == '\n')
            ++m_lines;
        else if (refusedControl(p[i]))
            failControl(p[i], m_offset + i, m_lines + 1);
    }
}

void PacketText::checkControlChars(const QString &text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\n')
            ++m_lines;
        else if (refusedControl(c))
            failControl(c, m_wideOffset, m_lines + 1);
        // A UTF-32 character outside the first plane is two UTF-16 units in four bytes.
        m_wideOffset += m_wideUnit == 4 && ch.isSurrogate() ? 2 : m_wideUnit;
    }
}

// The first character that is not blank must open markup.
void PacketText::checkStart(const QString &text, const QByteArray &bytes)
{
    if (m_sawStart)
        return;
    auto check = [&](char16_t c) {
        if (blank(c) || c == 0xFEFF)
            return false;
        if (c != u'<') {
            if (bytes.contains('\0') || text.contains(QChar(0)))
                fail(QStringLiteral("o arquivo é binário, não um pacote de dados XML"));
            fail(QStringLiteral("o conteúdo não é um pacote de dados XML"));
        }
        m_sawStart = true;
        return true;
    };
    for (const char c : bytes)
        if (check(char16_t(static_cast<unsigned char>(c))))
            return;
    for (const QChar c : text)
        if (check(c.unicode()))
            return;
}

} // namespace host
