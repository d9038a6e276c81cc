// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/driver/VariantJson.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTime>
#include <cmath>

namespace demo::VariantJson {

namespace {

enum class Kind { Empty, Null, Text, Integer, Unsigned, Floating, Boolean, Date, Time, DateTime, Array, Other };

Kind kindOf(const QVariant &v)
{
    if (!v.isValid())
        return Kind::Empty;
    switch (v.typeId()) {
    case QMetaType::Nullptr:
        return Kind::Null;
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
        return Kind::Text;
    case QMetaType::Bool:
        return Kind::Boolean;
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        return Kind::Integer;
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return Kind::Unsigned;
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Floating;
    case QMetaType::QDate:
        return Kind::Date;
    case QMetaType::QTime:
        return Kind::Time;
    case QMetaType::QDateTime:
        return Kind::DateTime;
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return Kind::Array;
    default:
        return Kind::Other;
    }
}

QString dateText(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}
QString timeText(const QTime &t)
{
    return t.toString(QStringLiteral("HH:mm:ss.zzz"));
}

QByteArray number(double d)
{
    // JSON has no NaN or infinity; like JavaScript's JSON.stringify, they become null.
    if (!std::isfinite(d))
        return QByteArrayLiteral("null");
    return QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
}

QByteArray wrapped(const char *key, const QString &text)
{
    return QByteArrayLiteral("{\"") + key + QByteArrayLiteral("\":") + quote(text) + '}';
}

} // namespace

QByteArray quote(const QString &text)
{
    // Escaping works on the UTF-8 bytes: the bytes it looks for never occur inside a
    // multi-byte sequence.
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += "\\u00" + QByteArray::number(int(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

QByteArray encode(const QVariant &v)
{
    switch (kindOf(v)) {
    case Kind::Empty:
        return QByteArrayLiteral("{\"empty\":true}");
    case Kind::Null:
        return QByteArrayLiteral("null");
    case Kind::Text:
    case Kind::Other: // nothing a table holds; its text is the best a reader can get
        return quote(v.toString());
    case Kind::Boolean:
        return v.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    case Kind::Integer:
        return QByteArray::number(v.toLongLong());
    case Kind::Unsigned: {
        const qulonglong u = v.toULongLong();
        return QByteArray::number(u);
    }
    case Kind::Floating:
        return number(v.toDouble());
    case Kind::Date:
        return wrapped("date", dateText(v.toDate()));
    case Kind::Time:
        return wrapped("time", timeText(v.toTime()));
    case Kind::DateTime:
        return wrapped("dateTime", v.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")));
    case Kind::Array: {
        const QVariantList items = v.toList();
        QByteArray out = QByteArrayLiteral("{\"low\":0,\"high\":") + QByteArray::number(items.size() - 1)
            + QByteArrayLiteral(",\"items\":[");
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i)
                out += ',';
            out += encode(items.at(i));
        }
        return out + "]}";
    }
    }
    return QByteArrayLiteral("null");
}

QString describe(const QVariant &v)
{
    switch (kindOf(v)) {
    case Kind::Empty:
        return QStringLiteral("(empty)");
    case Kind::Null:
        return QStringLiteral("null");
    case Kind::Text:
    case Kind::Other:
        return QStringLiteral("\"%1\"").arg(v.toString());
    case Kind::Boolean:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::Integer:
        return QString::number(v.toLongLong());
    case Kind::Unsigned:
        return QString::number(v.toULongLong());
    case Kind::Floating:
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    case Kind::Date:
        return QStringLiteral("date %1").arg(dateText(v.toDate()));
    case Kind::Time:
        return QStringLiteral("time %1").arg(timeText(v.toTime()));
    case Kind::DateTime:
        return QStringLiteral("date and time %1")
            .arg(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    case Kind::Array: {
        const QVariantList items = v.toList();
        QStringList parts;
        for (const QVariant &item : items)
            parts << describe(item);
        return QStringLiteral("array %1..%2 [%3]").arg(0).arg(items.size() - 1).arg(parts.join(QStringLiteral(", ")));
    }
    }
    return QString();
}

} // namespace demo::VariantJson
