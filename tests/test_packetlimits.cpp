// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The data packet reader under hostile files: size, depth, mixed encodings, control
// characters, and text cut into pieces at awkward places.
#include "support/PacketLoad.h"

#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using host::FieldDef;
using host::FieldType;
using host::TClientDataSet;
using platform::EDatabaseError;

namespace {

constexpr qsizetype Piece = 64 * 1024; // the reader's piece size

QByteArray packet(const QByteArray &rows, const QByteArray &declaration = R"(<?xml version="1.0"?>)",
                  const QByteArray &metadataExtra = {})
{
    return declaration + R"(<DATAPACKET Version="2.0"><METADATA><FIELDS>)"
        + R"(<FIELD attrname="A" fieldtype="string" WIDTH="200"/></FIELDS>)" + metadataExtra
        + "<PARAMS/></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>";
}

QString firstValue(const QByteArray &bytes)
{
    TClientDataSet t;
    t.LoadFromBytes(bytes);
    return t.Fields(0)->AsString();
}

// Rows of ASCII filler that bring the text before `at` to `offset` bytes.
QByteArray padTo(qsizetype offset, const QByteArray &before)
{
    const QByteArray row = R"(<ROW A="x"/>)";
    QByteArray pad;
    while (before.size() + pad.size() + row.size() <= offset - 40)
        pad += row;
    // The rest as blanks, which ROWDATA allows between rows.
    pad += QByteArray(offset - before.size() - pad.size(), ' ');
    return pad;
}

} // namespace

TEST(PacketEncoding, MixedUtf8AndOtherBytesAreRefusedNamingTheFirstOffendingByte)
{
    TClientDataSet t;
    // Valid UTF-8 before the stray Windows-1252 byte.
    QByteArray mixed = packet("<ROW A=\"Sem a\xC3\xA7\xC3\xBA"
                              "car\"/><ROW A=\"P\xE3o\"/>");
    qsizetype at = mixed.indexOf('\xE3');
    QString message = loadError(t, mixed);
    EXPECT_TRUE(message.contains(QStringLiteral("lista.xml"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("0xe3"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("byte %1").arg(at))) << qPrintable(message);
    EXPECT_FALSE(t.Active());

    // The stray byte first, UTF-8 after it, far apart: still one file of two encodings.
    mixed = packet("<ROW A=\"P\xE3o\"/>" + padTo(3 * Piece, {}) + "<ROW A=\"a\xC3\xA7\"/>");
    at = mixed.indexOf('\xE3');
    message = loadError(t, mixed);
    EXPECT_TRUE(message.contains(QStringLiteral("byte %1").arg(at))) << qPrintable(message);

    // A UTF-8 sequence cut short by the end of a value counts as a byte that is not UTF-8.
    mixed = packet("<ROW A=\"\xC3\xA7\"/><ROW A=\"\xE2\x82\"/>");
    message = loadError(t, mixed);
    EXPECT_TRUE(message.contains(QStringLiteral("byte %1").arg(mixed.indexOf("\xE2\x82")))) << qPrintable(message);
}

TEST(PacketEncoding, WholeFilesKeepTheirEncodingAcrossPieces)
{
    // Windows-1252 through and through, its first accented letter far into the file.
    QByteArray head = packet("<ROW A=\"Sem a\xE7\xFA"
                             "car\"/>");
    const QByteArray cp1252 = packet(padTo(2 * Piece, {})
                                     + "<ROW A=\"Sem a\xE7\xFA"
                                       "car \x80\"/>")
                                  .replace("<ROWDATA>", "<ROWDATA><ROW A=\"P\xE3o\"/>");
    EXPECT_EQ(firstValue(head), QStringLiteral("Sem açúcar"));
    TClientDataSet t;
    t.LoadFromBytes(cp1252);
    EXPECT_EQ(t.AllRecords().last().at(0).toString(), QStringLiteral("Sem açúcar €"));
    t.First();
    EXPECT_EQ(t.Fields(0)->AsString(), QStringLiteral("Pão"));

    // UTF-8 whose multi-byte characters straddle the boundaries between pieces.
    for (qsizetype shift = 0; shift < 4; ++shift) {
        const QByteArray before = R"(<?xml version="1.0"?><DATAPACKET Version="2.0"><METADATA><FIELDS>)"
                                  R"(<FIELD attrname="A" fieldtype="string" WIDTH="200"/></FIELDS><PARAMS/>)"
                                  "</METADATA><ROWDATA>";
        QByteArray rows = padTo(Piece - 12 + shift, before) + "<ROW A=\"\xF0\x9F\x8D\xB0\xE2\x82\xAC\xC3\xA7\"/>";
        TClientDataSet u;
        u.LoadFromBytes(before + rows + "</ROWDATA></DATAPACKET>");
        EXPECT_EQ(u.AllRecords().last().at(0).toString(), QStringLiteral("🍰€ç")) << "shift " << shift;
    }
}

TEST(PacketEncoding, ControlCharactersAreNamedWithTheirPosition)
{
    TClientDataSet t;
    QByteArray bytes = packet("<ROW A=\"um\"/>\n<ROW A=\"d\x01is\"/>");
    QString message = loadError(t, bytes);
    EXPECT_TRUE(message.contains(QStringLiteral("SOH (código 1) no byte %1 (linha 2)").arg(bytes.indexOf('\x01'))))
        << qPrintable(message);

    bytes = packet(QByteArray("<ROW A=\"a\0b\"/>", 14));
    message = loadError(t, bytes);
    EXPECT_TRUE(message.contains(QStringLiteral("NUL (código 0) no byte %1").arg(bytes.indexOf('\0'))))
        << qPrintable(message);
    EXPECT_FALSE(message.contains(QStringLiteral("''")));

    // In UTF-16 the position is still counted in bytes, its byte-order mark included.
    const QString text = QString::fromUtf8(packet("<ROW A=\"a\x1B\"/>"));
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    message = loadError(t, utf16);
    EXPECT_TRUE(message.contains(QStringLiteral("ESC (código 27) no byte %1").arg(2 + 2 * text.indexOf(u'\x1B'))))
        << qPrintable(message);
}

TEST(PacketShape, NestingDeeperThanTheFormatIsRefusedAtOnce)
{
    TClientDataSet t;
    // A parameter of a field is as deep as the format goes, and loads.
    const QByteArray param = R"(<?xml version="1.0"?><DATAPACKET><METADATA><FIELDS><FIELD attrname="A" )"
                             R"(fieldtype="string" WIDTH="9"><PARAM Name="x" Value="1"/></FIELD></FIELDS>)"
                             R"(</METADATA><ROWDATA><ROW A="ok"/></ROWDATA></DATAPACKET>)";
    EXPECT_EQ(firstValue(param), QStringLiteral("ok"));

    // A million unclosed elements: refused on the sixth, long before the file's end.
    QByteArray deep = packet("", R"(<?xml version="1.0"?>)", "<X>");
    deep.truncate(deep.indexOf("<X>") + 3);
    deep += QByteArray("<Y>").repeated(1000000);
    const QString message = loadError(t, deep);
    EXPECT_TRUE(message.contains(QStringLiteral("5 níveis"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("linha 1"))) << qPrintable(message);
}

TEST(PacketShape, MarkupScreenSeesAcrossPieces)
{
    TClientDataSet t;
    // A document type declaration cut in two by a piece boundary.
    QByteArray comment = "<?xml version=\"1.0\"?><!--";
    comment += QByteArray(Piece - comment.size() - 3 - 4, '-').replace("--", "- ") + "-->";
    comment += "<!DOC";
    ASSERT_EQ(comment.size(), Piece + 1);
    EXPECT_TRUE(loadError(t, comment + "TYPE x []><DATAPACKET/>").contains(QStringLiteral("DTD")));

    // A comment that holds what looks like markup, across a boundary, is only a comment.
    QByteArray rows = padTo(Piece - 6, R"(<?xml version="1.0"?>)") + "<!-- <!DOCTYPE x> a=1 -->";
    EXPECT_EQ(firstValue(packet(rows)), QStringLiteral("x"));
}

TEST(PacketFile, SizeLimitsRefuseBeforeAndWhileReading)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lista.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray bytes = packet(QByteArray(R"(<ROW A="0123456789"/>)").repeated(1000));
    f.write(bytes);
    f.close();

    TClientDataSet t;
    t.LoadFromFile(path);
    EXPECT_EQ(t.RecordCount(), 1000);
    EXPECT_EQ(t.FileSizeLimit(), TClientDataSet::DefaultMaxFileSize);

    // The table's own limit, then the shared one a host sets.
    t.SetFileSizeLimit(bytes.size() - 1);
    try {
        t.LoadFromFile(path);
        ADD_FAILURE() << "a file over the limit was read";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.message().contains(path)) << qPrintable(e.message());
        EXPECT_TRUE(e.message().contains(QStringLiteral("limite de %1 bytes").arg(bytes.size() - 1)))
            << qPrintable(e.message());
    }
    EXPECT_EQ(t.RecordCount(), 1000); // left as it was
    t.SetFileSizeLimit(0);
    TClientDataSet::SetMaxFileSize(1000);
    EXPECT_THROW(t.LoadFromFile(path), EDatabaseError);
    TClientDataSet::SetMaxFileSize(0); // back to the default
    EXPECT_EQ(TClientDataSet::MaxFileSize(), TClientDataSet::DefaultMaxFileSize);
    t.LoadFromFile(path);

    // A file that reports no size but has content: the limit holds while reading.
    if (QFile::exists(QStringLiteral("/proc/self/maps"))) {
        t.SetFileSizeLimit(100);
        try {
            t.LoadFromFile(QStringLiteral("/proc/self/maps"));
            ADD_FAILURE() << "a file of unknown size read past the limit";
        } catch (const EDatabaseError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("passa do limite de 100 bytes")))
                << qPrintable(e.message());
        }
    }
}
