// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/PacketWriter.h"

#include "host/data/DataPacket.h"
#include "host/data/PacketForms.h"
#include "platform/Variants.h"

#include <QSet>
#include <QXmlStreamWriter>

#include <cmath>
#include <limits>

namespace host::packet {

namespace {

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

    switch (kindOf(def.type)) {
    case ValueKind::Integer: {
        qlonglong min = 0, max = 0;
        isIntegerType(def.type, &min, &max);
        const std::optional<qint64> n = platform::varToInt64(value);
        if (!n || *n < min || *n > max)
            return bad();
        return QString::number(*n);
    }
    case ValueKind::Text: {
        const QString text = platform::varToStr(value);
        checkXmlText(text, QStringLiteral("o campo '%1' do registro %2").arg(def.name).arg(row));
        return text;
    }
    case ValueKind::Decimal: {
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
    case ValueKind::Boolean: {
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
    case ValueKind::Time: {
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
    case ValueKind::Date:
    case ValueKind::DateTime:
        break;
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

} // namespace

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

} // namespace host::packet
