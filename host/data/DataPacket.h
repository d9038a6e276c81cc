// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <QVector>

class QIODevice;

namespace host {

// The XML data packet: the file format in which TClientDataSet saves and loads a table,
// as the client data set of the host's platform writes it:
//
//   <?xml version="1.0" standalone="yes"?>
//   <DATAPACKET Version="2.0">
//    <METADATA><FIELDS><FIELD attrname="..." fieldtype="..." WIDTH="..."/>...</FIELDS><PARAMS/></METADATA>
//    <ROWDATA><ROW FIELD1="..." .../>...</ROWDATA>
//   </DATAPACKET>
//
// Each ROW carries one attribute per non-null field; an absent attribute is a null.
//
// Reading:
// - Element and attribute names are matched without regard to case.
// - Text: an encoding in the XML declaration (or a byte-order mark) is honoured; without one
//   the bytes are UTF-8 when they are valid UTF-8, Windows-1252 when they hold no multi-byte
//   UTF-8 sequence at all, as files written on Windows are, and refused when they mix the two
//   (see PacketText). Characters 128 to 159 (e.g. "&#128;") stand for the Windows-1252
//   characters of those codes, since that is how the platform writes its 8-bit text.
// - Change log: a row whose RowState has the deleted flag (2) is dropped. A row with the
//   original flag (1) directly followed by a row with the modified flag (8) is the
//   before-image of that row: the two become one record holding the before-image's values
//   overridden by the attributes the modified row carries (it may carry only the changed
//   fields). A field changed to null cannot be told apart from an unchanged one there, so it
//   keeps its old value. Any other row is a record as it stands.
// - Rejected with EDatabaseError: binary packets, empty or truncated files, another root, a
//   document type declaration (no entities are ever expanded), unknown field types, nested
//   tables, values that do not parse for their type, unknown or repeated row attributes,
//   more than MaxFields fields, elements nested deeper than the format's five levels, control
//   characters, and more bytes than the caller allows.
// - Memory: the text is decoded, screened and parsed piece by piece; only the table's content
//   grows with the file.
//
// Writing: UTF-8 with the encoding declared, numbers in forms that read back exactly, date
// and time values in the platform's forms, names that are not plain XML names kept in the
// FIELD's fieldname attribute. Values that the format cannot carry (characters XML does not
// admit, numbers outside the field type's range, text where a number is due) raise
// EDatabaseError rather than produce a file that would not read back. Invalid dates and times
// are written as nulls.
class DataPacket
{
public:
    // Bounds the work per element: the XML parser checks attributes pairwise.
    static constexpr int MaxFields = 1024;

    struct Content
    {
        QVector<FieldDef> defs;
        QVector<QVariantList> records;
    };

    // sourceName (a file name, may be empty) goes into the error messages.
    static Content read(const QByteArray &bytes, const QString &sourceName);
    // Reads the packet piece by piece from in, refusing it once more than maxBytes have come.
    static Content read(QIODevice &in, const QString &sourceName, qint64 maxBytes);
    static QByteArray write(const QVector<FieldDef> &defs, const QVector<QVariantList> &records,
                            const QString &targetName = QString());

    // The messages of a failed read or write; a file name, when there is one, goes first.
    static QString readFailure(const QString &source, const QString &problem);
    static QString writeFailure(const QString &target, const QString &problem);
};

} // namespace host
