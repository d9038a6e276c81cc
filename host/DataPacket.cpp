#include "host/DataPacket.h"

#include "host/MarkupScreen.h"
#include "host/PacketText.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QBuffer>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTime>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <atomic>
#include <cmath>
#include <limits>
#include <new>
#include <optional>

using platform::EDatabaseError;

namespace host {

namespace {

// One element may carry a ROW's fields plus its RowState.
constexpr int MaxAttributesPerElement = DataPacket::MaxFields + 1;
// DATAPACKET > METADATA > FIELDS > FIELD > PARAM is as deep as the format goes.
constexpr int MaxDepth = 5;

// Windows-1252 characters of the codes 128 to 159; 0 where the code page has none.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

[[noreturn]] void fail(const QString &problem)
{
    throw EDatabaseError(problem);
}

bool is(QStringView name, QLatin1String expected)
{
    return name.compare(expected, Qt::CaseInsensitive) == 0;
}

// Values are quoted in messages; a huge one is cut short.
QString shown(QStringView value)
{
    constexpr qsizetype Max = 40;
    return value.size() <= Max ? value.toString() : value.left(Max).toString() + QStringLiteral("…");
}

// The platform writes its 8-bit text with the Windows-1252 codes 128 to 159 as they stand
// ("&#128;" for "€"); as Unicode those would be control characters, which no text here uses.
void mapCp1252High(QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x80 && c <= 0x9F && Cp1252High[c - 0x80] != 0)
            text[i] = QChar(Cp1252High[c - 0x80]);
    }
}

// ---- Field types ----

QLatin1String typeName(FieldType type)
{
    switch (type) {
    case FieldType::String:
        return QLatin1String("string");
    case FieldType::WideString:
        return QLatin1String("string.uni");
    case FieldType::Int8:
        return QLatin1String("i1");
    case FieldType::Int16:
        return QLatin1String("i2");
    case FieldType::Int32:
        return QLatin1String("i4");
    case FieldType::Int64:
        return QLatin1String("i8");
    case FieldType::UInt8:
        return QLatin1String("ui1");
    case FieldType::UInt16:
        return QLatin1String("ui2");
    case FieldType::UInt32:
        return QLatin1String("ui4");
    case FieldType::Float32:
        return QLatin1String("r4");
    case FieldType::Float64:
    case FieldType::Currency:
        return QLatin1String("r8");
    case FieldType::Fixed:
        return QLatin1String("fixed");
    case FieldType::Boolean:
        return QLatin1String("boolean");
    case FieldType::Date:
        return QLatin1String("date");
    case FieldType::Time:
        return QLatin1String("time");
    case FieldType::DateTime:
        return QLatin1String("dateTime");
    case FieldType::SQLDateTime:
        return QLatin1String("SQLdateTime");
    }
    return QLatin1String("string");
}

std::optional<FieldType> typeFromName(QStringView name, QStringView subtype)
{
    static const FieldType all[] = {
        FieldType::String,   FieldType::WideString,  FieldType::Int8,    FieldType::Int16,  FieldType::Int32,
        FieldType::Int64,    FieldType::UInt8,       FieldType::UInt16,  FieldType::UInt32, FieldType::Float32,
        FieldType::Float64,  FieldType::Fixed,       FieldType::Boolean, FieldType::Date,   FieldType::Time,
        FieldType::DateTime, FieldType::SQLDateTime,
    };
    for (FieldType type : all) {
        if (!is(name, typeName(type)))
            continue;
        if (type == FieldType::Float64 && is(subtype, QLatin1String("Money")))
            return FieldType::Currency;
        return type;
    }
    return std::nullopt;
}

bool isIntegerType(FieldType type, qlonglong *min, qlonglong *max)
{
    switch (type) {
    case FieldType::Int8:
        *min = -128;
        *max = 127;
        return true;
    case FieldType::Int16:
        *min = -32768;
        *max = 32767;
        return true;
    case FieldType::Int32:
        *min = std::numeric_limits<qint32>::min();
        *max = std::numeric_limits<qint32>::max();
        return true;
    case FieldType::Int64:
        *min = std::numeric_limits<qint64>::min();
        *max = std::numeric_limits<qint64>::max();
        return true;
    case FieldType::UInt8:
        *min = 0;
        *max = 255;
        return true;
    case FieldType::UInt16:
        *min = 0;
        *max = 65535;
        return true;
    case FieldType::UInt32:
        *min = 0;
        *max = std::numeric_limits<quint32>::max();
        return true;
    default:
        return false;
    }
}

// ---- Date and time forms: YYYYMMDD, hh:mm:sszzz, YYYYMMDDThh:mm:sszzz ----

bool digitsAt(QStringView s, qsizetype from, qsizetype count, int *value)
{
    int v = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    *value = v;
    return true;
}

std::optional<QDate> parseDate(QStringView s)
{
    int y = 0, m = 0, d = 0;
    if (s.size() != 8 || !digitsAt(s, 0, 4, &y) || !digitsAt(s, 4, 2, &m) || !digitsAt(s, 6, 2, &d))
        return std::nullopt;
    const QDate date(y, m, d);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// The platform appends the milliseconds to the seconds without a separator; a dot is
// accepted as well, and so are whole seconds.
std::optional<QTime> parseTime(QStringView s)
{
    int h = 0, m = 0, sec = 0, ms = 0;
    if (s.size() < 8 || s.at(2) != u':' || s.at(5) != u':' || !digitsAt(s, 0, 2, &h) || !digitsAt(s, 3, 2, &m)
        || !digitsAt(s, 6, 2, &sec))
        return std::nullopt;
    const QStringView rest = s.mid(8);
    if (rest.size() == 4 && rest.at(0) == u'.') {
        if (!digitsAt(rest, 1, 3, &ms))
            return std::nullopt;
    } else if (rest.size() == 3) {
        if (!digitsAt(rest, 0, 3, &ms))
            return std::nullopt;
    } else if (!rest.isEmpty()) {
        return std::nullopt;
    }
    const QTime time(h, m, sec, ms);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

std::optional<QDateTime> parseDateTime(QStringView s)
{
    if (s.size() < 9 || (s.at(8) != u'T' && s.at(8) != u't'))
        return std::nullopt;
    const auto date = parseDate(s.left(8));
    const auto time = parseTime(s.mid(9));
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

QString formatDate(QDate d)
{
    return QStringLiteral("%1%2%3")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'));
}

QString formatTime(QTime t)
{
    return QStringLiteral("%1:%2:%3%4")
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(t.msec(), 3, 10, QLatin1Char('0'));
}

std::optional<bool> parseBoolean(QStringView s)
{
    if (is(s, QLatin1String("TRUE")))
        return true;
    if (is(s, QLatin1String("FALSE")))
        return false;
    return std::nullopt;
}

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
    mapCp1252High(def.name);
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
    qlonglong min = 0, max = 0;
    if (isIntegerType(def.type, &min, &max)) {
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        if (!ok || n < min || n > max)
            return bad();
        if (def.type == FieldType::Int64 || def.type == FieldType::UInt32)
            return QVariant(n);
        return QVariant(int(n));
    }
    switch (def.type) {
    case FieldType::String:
    case FieldType::WideString: {
        QString text = value.toString();
        mapCp1252High(text);
        return text;
    }
    case FieldType::Float32:
    case FieldType::Float64:
    case FieldType::Currency:
    case FieldType::Fixed: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        return ok ? QVariant(d) : bad();
    }
    case FieldType::Boolean: {
        const auto b = parseBoolean(value);
        return b ? QVariant(*b) : bad();
    }
    case FieldType::Date: {
        const auto d = parseDate(value);
        return d ? QVariant(*d) : bad();
    }
    case FieldType::Time: {
        const auto t = parseTime(value);
        return t ? QVariant(*t) : bad();
    }
    case FieldType::DateTime:
    case FieldType::SQLDateTime: {
        const auto dt = parseDateTime(value);
        return dt ? QVariant(*dt) : bad();
    }
    default:
        return bad();
    }
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
            while (r.feed()) {
            }
        } else if (token == QXmlStreamReader::EndDocument) {
            break;
        }
    }
    if (!content)
        fail(QStringLiteral("o conteúdo não é um pacote de dados XML"));
    return std::move(*content);
}

// ---- Writing ----

// Names that go out unchanged as attribute names: plain Latin letters, digits and '_', '-',
// '.', not starting with "xml" (reserved) and not RowState. Other names travel in fieldname.
bool isPlainName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1String("xml"), Qt::CaseInsensitive)
        || is(name, QLatin1String("RowState")))
        return false;
    auto letter = [](char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'
            || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
    };
    if (!letter(name.at(0).unicode()))
        return false;
    for (const QChar ch : name) {
        const char16_t c = ch.unicode();
        if (!letter(c) && !(c >= u'0' && c <= u'9') && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

QVector<QString> attributeNames(const QVector<FieldDef> &defs)
{
    QVector<QString> names(defs.size());
    QSet<QString> used;
    for (qsizetype i = 0; i < defs.size(); ++i) {
        if (isPlainName(defs[i].name) && !used.contains(defs[i].name.toCaseFolded())) {
            names[i] = defs[i].name;
            used.insert(names[i].toCaseFolded());
        }
    }
    int serial = 0;
    for (qsizetype i = 0; i < defs.size(); ++i) {
        while (names[i].isEmpty()) {
            const QString candidate = QStringLiteral("CAMPO%1").arg(++serial);
            if (!used.contains(candidate.toCaseFolded())) {
                names[i] = candidate;
                used.insert(candidate.toCaseFolded());
            }
        }
    }
    return names;
}

// XML 1.0 admits tab, line feed, carriage return and the characters from space up, bar
// unpaired surrogates and U+FFFE/U+FFFF.
void checkXmlText(const QString &text, const QString &where)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        bool ok = c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r';
        if (c == 0xFFFE || c == 0xFFFF)
            ok = false;
        if (QChar::isHighSurrogate(c)) {
            ok = i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            ok = false;
        }
        if (!ok)
            fail(QStringLiteral("%1 contém um caractere que o XML não admite (código %2)").arg(where).arg(int(c)));
    }
}

// Text form of a value for its field; nullopt for a null. Raises when the value does not fit.
std::optional<QString> writeValue(const FieldDef &def, const QVariant &value, int row)
{
    if (!value.isValid() || platform::varIsNull(value))
        return std::nullopt;
    auto bad = [&]() -> std::optional<QString> {
        fail(QStringLiteral("o valor '%1' do campo '%2' no registro %3 não cabe no tipo %4")
                 .arg(shown(value.toString()), def.name)
                 .arg(row)
                 .arg(typeName(def.type)));
    };
    const int id = value.metaType().id();
    const bool isText = id == QMetaType::QString;

    qlonglong min = 0, max = 0;
    if (isIntegerType(def.type, &min, &max)) {
        bool ok = false;
        qlonglong n = 0;
        if (id == QMetaType::Double || id == QMetaType::Float) {
            const double d = value.toDouble();
            // 2^63 is exact as a double; anything from there on does not fit.
            ok = std::isfinite(d) && d == std::trunc(d) && d >= -9223372036854775808.0 && d < 9223372036854775808.0;
            if (ok)
                n = qlonglong(d);
        } else if (isText) {
            n = value.toString().trimmed().toLongLong(&ok);
        } else if (id == QMetaType::ULongLong) {
            ok = value.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
            n = qlonglong(value.toULongLong());
        } else {
            n = value.toLongLong(&ok);
        }
        if (!ok || n < min || n > max)
            return bad();
        return QString::number(n);
    }

    switch (def.type) {
    case FieldType::String:
    case FieldType::WideString: {
        const QString text = platform::varToStr(value);
        checkXmlText(text, QStringLiteral("o campo '%1' do registro %2").arg(def.name).arg(row));
        return text;
    }
    case FieldType::Float32:
    case FieldType::Float64:
    case FieldType::Currency:
    case FieldType::Fixed: {
        bool ok = false;
        const double d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            return bad();
        // The shortest form that reads back as the same double; QString::number drops the
        // sign of a negative zero.
        if (d == 0 && std::signbit(d))
            return QStringLiteral("-0");
        return QString::number(d, 'g', QLocale::FloatingPointShortest);
    }
    case FieldType::Boolean: {
        std::optional<bool> b;
        if (id == QMetaType::Bool) {
            b = value.toBool();
        } else if (isText) {
            b = parseBoolean(value.toString().trimmed());
        } else {
            bool ok = false;
            const qlonglong n = value.toLongLong(&ok);
            if (ok)
                b = n != 0;
        }
        if (!b)
            return bad();
        return *b ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }
    case FieldType::Time: {
        QTime time;
        if (id == QMetaType::QTime) {
            time = value.toTime();
        } else if (id == QMetaType::QDateTime) {
            const QDateTime dt = value.toDateTime();
            time = dt.isValid() ? dt.toLocalTime().time() : QTime();
        } else if (const auto t = isText ? parseTime(value.toString().trimmed()) : std::nullopt) {
            time = *t;
        } else {
            return bad();
        }
        if (!time.isValid())
            return std::nullopt; // an invalid time is no time
        return formatTime(time);
    }
    case FieldType::Date:
    case FieldType::DateTime:
    case FieldType::SQLDateTime:
        break;
    default:
        return bad();
    }

    // Dates and date-times. The platform's are naive wall-clock values; a QDateTime goes out
    // as local time, which is how it reads back, so the same instant returns.
    QDate date;
    QTime time(0, 0);
    if (id == QMetaType::QDateTime) {
        QDateTime dt = value.toDateTime();
        if (dt.isValid()) {
            dt = dt.toLocalTime();
            date = dt.date();
            time = dt.time();
        }
    } else if (id == QMetaType::QDate) {
        date = value.toDate();
    } else if (const auto dt = isText ? parseDateTime(value.toString().trimmed()) : std::nullopt) {
        date = dt->date();
        time = dt->time();
    } else if (const auto d = isText ? parseDate(value.toString().trimmed()) : std::nullopt) {
        date = *d;
    } else {
        return bad();
    }
    if (!date.isValid())
        return std::nullopt; // an invalid date is no date
    if (date.year() < 1 || date.year() > 9999)
        return bad();
    if (def.type == FieldType::Date)
        return formatDate(date);
    return formatDate(date) + QLatin1Char('T') + formatTime(time);
}

QByteArray writePacket(const QVector<FieldDef> &defs, const QVector<QVariantList> &records)
{
    if (defs.isEmpty())
        fail(QStringLiteral("a tabela não tem campos"));
    if (defs.size() > DataPacket::MaxFields)
        fail(QStringLiteral("a tabela tem mais de %1 campos").arg(DataPacket::MaxFields));
    const QVector<QString> attributes = attributeNames(defs);

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("DATAPACKET"));
    xml.writeAttribute(QStringLiteral("Version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("METADATA"));
    xml.writeStartElement(QStringLiteral("FIELDS"));
    for (qsizetype i = 0; i < defs.size(); ++i) {
        const FieldDef &def = defs[i];
        checkXmlText(def.name, QStringLiteral("o nome do campo '%1'").arg(def.name));
        xml.writeEmptyElement(QStringLiteral("FIELD"));
        xml.writeAttribute(QStringLiteral("attrname"), attributes[i]);
        if (attributes[i] != def.name)
            xml.writeAttribute(QStringLiteral("fieldname"), def.name);
        xml.writeAttribute(QStringLiteral("fieldtype"), typeName(def.type));
        if (def.type == FieldType::Currency)
            xml.writeAttribute(QStringLiteral("SUBTYPE"), QStringLiteral("Money"));
        if (def.width != 0)
            xml.writeAttribute(QStringLiteral("WIDTH"), QString::number(def.width));
        if (def.decimals != 0)
            xml.writeAttribute(QStringLiteral("DECIMALS"), QString::number(def.decimals));
        if (def.required)
            xml.writeAttribute(QStringLiteral("required"), QStringLiteral("true"));
    }
    xml.writeEndElement(); // FIELDS
    xml.writeEmptyElement(QStringLiteral("PARAMS"));
    xml.writeEndElement(); // METADATA
    xml.writeStartElement(QStringLiteral("ROWDATA"));
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QVariantList &record = records[r];
        xml.writeEmptyElement(QStringLiteral("ROW"));
        for (qsizetype i = 0; i < defs.size() && i < record.size(); ++i)
            if (const auto text = writeValue(defs[i], record[i], int(r) + 1))
                xml.writeAttribute(attributes[i], *text);
    }
    xml.writeEndElement(); // ROWDATA
    xml.writeEndElement(); // DATAPACKET
    xml.writeEndDocument();
    if (xml.hasError())
        fail(QStringLiteral("falha ao gerar o XML"));
    return out;
}

QString readFailure(const QString &source, const QString &problem)
{
    return source.isEmpty() ? QStringLiteral("Erro ao ler o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao ler '%1': %2.").arg(source, problem);
}

QString writeFailure(const QString &target, const QString &problem)
{
    return target.isEmpty() ? QStringLiteral("Erro ao gravar o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao gravar '%1': %2.").arg(target, problem);
}

} // namespace

// ---- DataPacket ----

DataPacket::Content DataPacket::read(const QByteArray &bytes, const QString &sourceName)
{
    QBuffer buffer;
    buffer.setData(bytes); // shares the bytes, no copy
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, sourceName, std::numeric_limits<qint64>::max() - 1);
}

DataPacket::Content DataPacket::read(QIODevice &in, const QString &sourceName, qint64 maxBytes)
{
    try {
        return readPacket(in, maxBytes);
    } catch (const platform::Exception &e) {
        throw EDatabaseError(readFailure(sourceName, e.message()));
    } catch (const std::bad_alloc &) {
        throw EDatabaseError(readFailure(sourceName, QStringLiteral("memória insuficiente")));
    }
}

QByteArray DataPacket::write(const QVector<FieldDef> &defs, const QVector<QVariantList> &records,
                             const QString &targetName)
{
    try {
        return writePacket(defs, records);
    } catch (const platform::Exception &e) {
        throw EDatabaseError(writeFailure(targetName, e.message()));
    } catch (const std::bad_alloc &) {
        throw EDatabaseError(writeFailure(targetName, QStringLiteral("memória insuficiente")));
    }
}

// ---- TClientDataSet's files ----

void TClientDataSet::LoadFromBytes(const QByteArray &bytes, const QString &sourceName)
{
    DataPacket::Content content = DataPacket::read(bytes, sourceName);
    load(std::move(content.defs), std::move(content.records));
}

void TClientDataSet::load(QVector<FieldDef> defs, QVector<QVariantList> records)
{
    // Everything that can fail happens before the table is touched. Field objects that
    // exist already are kept, so pointers to them stay valid.
    const size_t fieldCount = size_t(defs.size());
    std::vector<std::unique_ptr<TField>> fields;
    fields.reserve(fieldCount);
    for (size_t i = 0; i < fieldCount; ++i)
        fields.push_back(i < m_fields.size() ? nullptr : std::make_unique<TField>(this, int(i)));
    QVector<int> visible;
    visible.reserve(records.size());

    for (size_t i = 0; i < fieldCount && i < m_fields.size(); ++i)
        fields[i] = std::move(m_fields[i]);
    m_fields.swap(fields);
    m_defs.swap(defs);
    m_records.swap(records);
    m_visible.swap(visible);
    m_current = -1;
    m_active = true;
    rebuildVisible(); // the first (visible) record becomes current
}

QByteArray TClientDataSet::SaveToBytes() const
{
    checkActive();
    return DataPacket::write(m_defs, m_records);
}

namespace {
std::atomic<qint64> sharedFileSizeLimit {TClientDataSet::DefaultMaxFileSize};
} // namespace

void TClientDataSet::SetMaxFileSize(qint64 bytes)
{
    sharedFileSizeLimit = bytes > 0 ? bytes : DefaultMaxFileSize;
}

qint64 TClientDataSet::MaxFileSize()
{
    return sharedFileSizeLimit;
}

void TClientDataSet::LoadFromFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw EDatabaseError(readFailure(fileName, QStringLiteral("o arquivo não existe")));
    if (!info.isFile())
        throw EDatabaseError(readFailure(fileName, QStringLiteral("não é um arquivo")));
    const qint64 limit = FileSizeLimit();
    if (info.size() > limit)
        throw EDatabaseError(readFailure(
            fileName, QStringLiteral("o arquivo tem %1 bytes, mais que o limite de %2 bytes").arg(info.size()).arg(limit)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(
            readFailure(fileName, QStringLiteral("não foi possível abri-lo (%1)").arg(file.errorString())));
    DataPacket::Content content = DataPacket::read(file, fileName, limit);
    load(std::move(content.defs), std::move(content.records));
}

void TClientDataSet::SaveToFile(const QString &fileName) const
{
    checkActive();
    const QByteArray bytes = DataPacket::write(m_defs, m_records, fileName);
    // Written aside and renamed into place: a failure leaves any previous file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(writeFailure(fileName, file.errorString()));
}

} // namespace host
