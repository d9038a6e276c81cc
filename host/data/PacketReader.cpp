// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/PacketReader.h"

#include "host/data/MarkupScreen.h"
#include "host/data/PacketForms.h"
#include "host/data/PacketText.h"
#include "platform/Cp1252.h"
#include "platform/Variants.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <optional>

namespace host::packet {

namespace {

// One element may carry a ROW's fields plus its RowState.
constexpr int MaxAttributesPerElement = DataPacket::MaxFields + 1;
// DATAPACKET > METADATA > FIELDS > FIELD > PARAM is as deep as the format goes.
constexpr int MaxDepth = 5;

// ---- Reading: the XML structure ----

[[noreturn]] void failXml(const QXmlStreamReader &xml)
{
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        fail(QStringLiteral("o arquivo termina antes do fim do pacote de dados (arquivo truncado?)"));
    QString detail = xml.errorString();
    if (detail.endsWith(u'.'))
        detail.chop(1);
    fail(QStringLiteral("XML malformado na linha %1, coluna %2 (%3)")
             .arg(xml.lineNumber())
             .arg(xml.columnNumber())
             .arg(detail));
}

// The packet's text, screened and parsed piece by piece.
struct Reader
{
    Reader(QIODevice &in, qint64 maxBytes)
        : text(in, maxBytes)
    {
        xml.setNamespaceProcessing(false);
    }

    // Hands the parser the next piece of text; false once the file has none left.
    bool feed()
    {
        if (text.atEnd())
            return false;
        QString piece = text.next();
        if (first && piece.startsWith(QChar(0xFEFF)))
            piece.remove(0, 1);
        first = false;
        screen.feed(piece);
        xml.addData(piece);
        return true;
    }

    PacketText text;
    MarkupScreen screen {MaxAttributesPerElement};
    QXmlStreamReader xml;
    int depth = 0;
    bool first = true;
};

QXmlStreamReader::TokenType next(Reader &r)
{
    QXmlStreamReader &xml = r.xml;
    QXmlStreamReader::TokenType token = xml.readNext();
    while (token == QXmlStreamReader::Invalid && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
           && r.feed())
        token = xml.readNext();
    if (token == QXmlStreamReader::Invalid)
        failXml(xml);
    if (token == QXmlStreamReader::DTD)
        fail(QStringLiteral("o arquivo tem uma declaração de tipo de documento (DTD), que não é aceita"));
    if (token == QXmlStreamReader::EntityReference)
        fail(QStringLiteral("referência a entidade '%1' na linha %2").arg(xml.name().toString()).arg(xml.lineNumber()));
    if (token == QXmlStreamReader::StartElement && ++r.depth > MaxDepth)
        fail(QStringLiteral("os elementos na linha %1 estão aninhados em mais de %2 níveis, o que o formato não tem")
                 .arg(xml.lineNumber())
                 .arg(MaxDepth));
    if (token == QXmlStreamReader::EndElement)
        --r.depth;
    return token;
}

// Skips the element just started, children and all.
void skipElement(Reader &r)
{
    const int depth = r.depth;
    while (r.depth >= depth)
        next(r);
}

void requireWhitespace(const QXmlStreamReader &xml, QLatin1String parent)
{
    if (!xml.isWhitespace())
        fail(QStringLiteral("texto inesperado dentro de <%1> na linha %2").arg(parent).arg(xml.lineNumber()));
}

// Field definitions, and how rows name them.
struct Fields
{
    QVector<FieldDef> defs;
    QHash<QString, int> byAttribute; // case-folded attrname -> field index
};

int readNumber(QStringView value, const QString &field, QLatin1String attribute)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok || n < 0)
        fail(QStringLiteral("o campo '%1' tem %2 inválido: '%3'").arg(field, attribute, shown(value)));
    return n;
}

void readField(Reader &r, Fields &fields, QSet<QString> &names)
{
    QXmlStreamReader &xml = r.xml;
    const int number = int(fields.defs.size()) + 1;
    if (number > DataPacket::MaxFields)
        fail(QStringLiteral("o pacote define mais de %1 campos").arg(DataPacket::MaxFields));

    QString attrName, fieldName, type, subtype, width, decimals, required;
    for (const QXmlStreamAttribute &a : xml.attributes()) {
        const QStringView n = a.qualifiedName();
        if (is(n, QLatin1String("attrname")))
            attrName = a.value().toString();
        else if (is(n, QLatin1String("fieldname")))
            fieldName = a.value().toString();
        else if (is(n, QLatin1String("fieldtype")))
            type = a.value().toString();
        else if (is(n, QLatin1String("SUBTYPE")))
            subtype = a.value().toString();
        else if (is(n, QLatin1String("WIDTH")))
            width = a.value().toString();
        else if (is(n, QLatin1String("DECIMALS")))
            decimals = a.value().toString();
        else if (is(n, QLatin1String("required")))
            required = a.value().toString();
        // Anything else (readonly, hidden, linkfield...) does not concern the table's content.
    }
    if (attrName.isEmpty())
        fail(QStringLiteral("o campo nº %1 não tem o atributo attrname").arg(number));

    FieldDef def;
    def.name = fieldName.isEmpty() ? attrName : fieldName;
    platform::ansiControlsToText(def.name);
    if (is(type, QLatin1String("nested")))
        fail(QStringLiteral("o campo '%1' é uma tabela aninhada, o que não é suportado").arg(def.name));
    const auto fieldType = typeFromName(type, subtype);
    if (!fieldType)
        fail(QStringLiteral("o campo '%1' tem o tipo desconhecido '%2'").arg(def.name, shown(type)));
    def.type = *fieldType;
    if (!width.isNull())
        def.width = readNumber(width, def.name, QLatin1String("WIDTH"));
    if (!decimals.isNull())
        def.decimals = readNumber(decimals, def.name, QLatin1String("DECIMALS"));
    if (!required.isNull()) {
        const auto flag = parseBoolean(required);
        if (!flag)
            fail(QStringLiteral("o campo '%1' tem required inválido: '%2'").arg(def.name, shown(required)));
        def.required = *flag;
    }

    if (is(attrName, QLatin1String("RowState")))
        fail(QStringLiteral("o nome de atributo do campo '%1' é RowState, reservado ao estado das linhas")
                 .arg(def.name));
    const QString attrKey = attrName.toCaseFolded();
    const QString nameKey = def.name.toCaseFolded();
    if (fields.byAttribute.contains(attrKey) || names.contains(nameKey))
        fail(QStringLiteral("o campo '%1' aparece duas vezes").arg(def.name));
    fields.byAttribute.insert(attrKey, int(fields.defs.size()));
    names.insert(nameKey);
    fields.defs.append(def);

    skipElement(r); // PARAM children, if any
}

void readFieldList(Reader &r, Fields &fields)
{
    QXmlStreamReader &xml = r.xml;
    QSet<QString> names;
    for (;;) {
        const auto token = next(r);
        if (token == QXmlStreamReader::EndElement)
            return;
        if (token == QXmlStreamReader::Characters)
            requireWhitespace(xml, QLatin1String("FIELDS"));
        else if (token == QXmlStreamReader::StartElement) {
            if (is(xml.qualifiedName(), QLatin1String("FIELD")))
                readField(r, fields, names);
            else
                skipElement(r);
        }
    }
}

Fields readMetadata(Reader &r)
{
    QXmlStreamReader &xml = r.xml;
    Fields fields;
    bool sawFields = false;
    for (;;) {
        const auto token = next(r);
        if (token == QXmlStreamReader::EndElement)
            break;
        if (token == QXmlStreamReader::Characters) {
            requireWhitespace(xml, QLatin1String("METADATA"));
        } else if (token == QXmlStreamReader::StartElement) {
            if (is(xml.qualifiedName(), QLatin1String("FIELDS")) && !sawFields) {
                readFieldList(r, fields);
                sawFields = true;
            } else if (is(xml.qualifiedName(), QLatin1String("FIELDS"))) {
                fail(QStringLiteral("o elemento FIELDS aparece duas vezes"));
            } else {
                skipElement(r); // PARAMS: properties of the table, not its content
            }
        }
    }
    if (fields.defs.isEmpty())
        fail(QStringLiteral("o pacote não define nenhum campo"));
    return fields;
}

QVariant readValue(const FieldDef &def, QStringView value, int row)
{
    auto bad = [&]() -> QVariant {
        fail(QStringLiteral("valor inválido para o campo '%1' (%2) no registro %3: '%4'")
                 .arg(def.name, typeName(def.type))
                 .arg(row)
                 .arg(shown(value)));
    };
    switch (kindOf(def.type)) {
    case ValueKind::Integer: {
        qlonglong min = 0, max = 0;
        isIntegerType(def.type, &min, &max);
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        if (!ok || n < min || n > max)
            return bad();
        if (def.type == FieldType::Int64 || def.type == FieldType::UInt32)
            return QVariant(n);
        return QVariant(int(n));
    }
    case ValueKind::Text: {
        QString text = value.toString();
        platform::ansiControlsToText(text);
        return text;
    }
    case ValueKind::Decimal: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        return ok ? QVariant(d) : bad();
    }
    case ValueKind::Boolean: {
        const auto b = parseBoolean(value);
        return b ? QVariant(*b) : bad();
    }
    case ValueKind::Date: {
        const auto d = parseDate(value);
        return d ? QVariant(*d) : bad();
    }
    case ValueKind::Time: {
        const auto t = parseTime(value);
        return t ? QVariant(*t) : bad();
    }
    case ValueKind::DateTime: {
        const auto dt = parseDateTime(value);
        return dt ? QVariant(*dt) : bad();
    }
    }
    return bad();
}

constexpr int RowOriginal = 1;
constexpr int RowDeleted = 2;
constexpr int RowModified = 8;

void readRows(Reader &r, const Fields &fields, QVector<QVariantList> &records)
{
    QXmlStreamReader &xml = r.xml;
    const int fieldCount = int(fields.defs.size());
    // seen[i] == row: field i was given on the current ROW; tells repeats and, for a
    // modified row, which fields it changes.
    QVector<int> seen(fieldCount, 0);
    int row = 0;
    QVariantList beforeImage;
    bool haveBeforeImage = false;
    auto flushBeforeImage = [&] {
        if (haveBeforeImage)
            records.append(beforeImage);
        haveBeforeImage = false;
    };

    for (;;) {
        const auto token = next(r);
        if (token == QXmlStreamReader::EndElement)
            break;
        if (token == QXmlStreamReader::Characters) {
            requireWhitespace(xml, QLatin1String("ROWDATA"));
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!is(xml.qualifiedName(), QLatin1String("ROW")))
            fail(QStringLiteral("elemento <%1> inesperado dentro de <ROWDATA> na linha %2")
                     .arg(xml.qualifiedName().toString())
                     .arg(xml.lineNumber()));
        ++row;
        QVariantList record;
        record.fill(platform::varNull(), fieldCount);
        int state = 0;
        for (const QXmlStreamAttribute &a : xml.attributes()) {
            const QStringView name = a.qualifiedName();
            if (is(name, QLatin1String("RowState"))) {
                bool ok = false;
                state = a.value().trimmed().toInt(&ok);
                if (!ok || state < 0)
                    fail(QStringLiteral("o registro %1 tem RowState inválido: '%2'").arg(row).arg(shown(a.value())));
                continue;
            }
            const int field = fields.byAttribute.value(name.toString().toCaseFolded(), -1);
            if (field < 0)
                fail(QStringLiteral("o registro %1 tem o atributo '%2', que não é um campo").arg(row).arg(shown(name)));
            if (seen[field] == row)
                fail(QStringLiteral("o registro %1 repete o campo '%2'").arg(row).arg(fields.defs[field].name));
            seen[field] = row;
            record[field] = readValue(fields.defs[field], a.value(), row);
        }
        for (;;) {
            const auto inner = next(r);
            if (inner == QXmlStreamReader::EndElement)
                break;
            if (inner == QXmlStreamReader::StartElement)
                fail(QStringLiteral("o registro %1 contém elementos (tabelas aninhadas não são suportadas)").arg(row));
            if (inner == QXmlStreamReader::Characters)
                requireWhitespace(xml, QLatin1String("ROW"));
        }

        if (state & RowDeleted) {
            flushBeforeImage();
            continue;
        }
        if (haveBeforeImage && (state & RowModified)) {
            for (int i = 0; i < fieldCount; ++i)
                if (seen[i] == row)
                    beforeImage[i] = record[i];
            haveBeforeImage = false;
            records.append(beforeImage);
            continue;
        }
        flushBeforeImage();
        if ((state & RowOriginal) && !(state & RowModified)) {
            beforeImage = record;
            haveBeforeImage = true;
        } else {
            records.append(record);
        }
    }
    flushBeforeImage();
}

DataPacket::Content readDataPacket(Reader &r)
{
    QXmlStreamReader &xml = r.xml;
    DataPacket::Content content;
    std::optional<Fields> fields;
    bool sawRows = false;
    for (;;) {
        const auto token = next(r);
        if (token == QXmlStreamReader::EndElement)
            break;
        if (token == QXmlStreamReader::Characters) {
            requireWhitespace(xml, QLatin1String("DATAPACKET"));
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.qualifiedName();
            if (is(name, QLatin1String("METADATA"))) {
                if (fields)
                    fail(QStringLiteral("o elemento METADATA aparece duas vezes"));
                fields = readMetadata(r);
            } else if (is(name, QLatin1String("ROWDATA"))) {
                if (!fields)
                    fail(QStringLiteral("ROWDATA aparece antes de METADATA"));
                if (sawRows)
                    fail(QStringLiteral("o elemento ROWDATA aparece duas vezes"));
                readRows(r, *fields, content.records);
                sawRows = true;
            } else {
                skipElement(r);
            }
        }
    }
    if (!fields)
        fail(QStringLiteral("falta o elemento METADATA"));
    content.defs = fields->defs;
    return content;
}

} // namespace

DataPacket::Content readPacket(QIODevice &in, qint64 maxBytes)
{
    Reader r(in, maxBytes);
    std::optional<DataPacket::Content> content;
    for (;;) {
        const auto token = next(r);
        if (token == QXmlStreamReader::StartElement) {
            if (!is(r.xml.qualifiedName(), QLatin1String("DATAPACKET")))
                fail(QStringLiteral("o elemento raiz é <%1>, e não <DATAPACKET>").arg(shown(r.xml.qualifiedName())));
            content = readDataPacket(r);
            // The parser ends the document where its text runs out: give it all that follows.
            while (r.feed()) { }
        } else if (token == QXmlStreamReader::EndDocument) {
            break;
        }
    }
    if (!content)
        fail(QStringLiteral("o conteúdo não é um pacote de dados XML"));
    return std::move(*content);
}

} // namespace host::packet
