// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <optional>

class QIODevice;

namespace host {

// Turns the bytes of a data packet, read piece by piece from a device, into checked text, so
// that neither the whole file nor a decoded copy of it is ever held at once.
//
// - At most maxBytes are read; a larger file is refused as soon as it passes the limit, which
//   also holds for files whose size is not known in advance.
// - Encoding: a byte-order mark or the zero bytes of UTF-16/32 around the first '<', else the
//   XML declaration's encoding, else UTF-8 when the bytes are UTF-8; a file without a single
//   multi-byte UTF-8 sequence is Windows-1252, as files written on Windows are. A file holding
//   both valid multi-byte UTF-8 and bytes that are not UTF-8 is refused, naming the position of
//   the first such byte, rather than decoded wrongly either way.
// - A control character that XML does not admit is refused by name, code and position.
// - The first character that is not blank must be '<'.
// Problems raise EDatabaseError with a message that names the problem (the caller adds the file).
class PacketText
{
public:
    PacketText(QIODevice &in, qint64 maxBytes);

    // The next piece of text (it may be empty); call while atEnd() is false.
    QString next();
    bool atEnd() const { return m_ended; }

private:
    enum class Mode { Auto, Utf8, Ansi, Narrow, Wide };

    QByteArray readBytes(qint64 atLeast);
    void start(QByteArray &first);
    QString decode(const QByteArray &bytes, bool last);
    QString decodeAuto(const QByteArray &bytes, bool last);
    void scanUtf8(const QByteArray &bytes, bool last);
    void checkControlBytes(const QByteArray &bytes);
    void checkControlChars(const QString &text);
    void checkStart(const QString &text, const QByteArray &bytes);
    [[noreturn]] void failMixed() const;

    QIODevice &m_in;
    qint64 m_maxBytes;
    qint64 m_read = 0; // bytes taken from the device
    qint64 m_offset = 0; // position in the file of the bytes being looked at
    qint64 m_lines = 0; // line feeds before m_offset
    bool m_started = false;
    bool m_ended = false;
    bool m_sawStart = false; // the first character that is not blank has been checked

    Mode m_mode = Mode::Auto;
    QString m_encodingName;
    std::optional<QStringDecoder> m_decoder;
    qint64 m_wideOffset = 0; // byte position of the next decoded unit in a UTF-16/32 file
    int m_wideUnit = 2;

    // UTF-8 screening, carried from piece to piece.
    int m_need = 0; // continuation bytes still due
    unsigned char m_low = 0x80, m_high = 0xBF; // range of the next continuation byte
    qint64 m_sequenceStart = -1;
    unsigned char m_sequenceLead = 0;
    bool m_sawMultiByte = false;
    qint64 m_firstInvalid = -1;
    unsigned char m_invalidByte = 0;
    bool m_cp1252 = false; // Auto mode gave up UTF-8 before any multi-byte sequence
    QByteArray m_pending; // an unfinished UTF-8 sequence at the end of the last piece
};

} // namespace host
