// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/PacketForms.h"

#include "platform/Exception.h"

#include <limits>

namespace host::packet {

[[noreturn]] void fail(const QString &problem)
{
    throw platform::EDatabaseError(problem);
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

ValueKind kindOf(FieldType type)
{
    switch (type) {
    case FieldType::String:
    case FieldType::WideString:
        return ValueKind::Text;
    case FieldType::Float32:
    case FieldType::Float64:
    case FieldType::Currency:
    case FieldType::Fixed:
        return ValueKind::Decimal;
    case FieldType::Boolean:
        return ValueKind::Boolean;
    case FieldType::Date:
        return ValueKind::Date;
    case FieldType::Time:
        return ValueKind::Time;
    case FieldType::DateTime:
    case FieldType::SQLDateTime:
        return ValueKind::DateTime;
    case FieldType::Int8:
    case FieldType::Int16:
    case FieldType::Int32:
    case FieldType::Int64:
    case FieldType::UInt8:
    case FieldType::UInt16:
    case FieldType::UInt32:
        break;
    }
    return ValueKind::Integer;
}

// ---- Date and time forms: YYYYMMDD, hh:mm:sszzz, YYYYMMDDThh:mm:sszzz ----
// Read by hand: QDate::fromString and QTime::fromString take about a hundred times as long,
// which would add half again to loading a packet with a date in every row.

namespace {

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

} // namespace

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
    return d.toString(u"yyyyMMdd");
}

QString formatTime(QTime t)
{
    return t.toString(u"hh:mm:sszzz");
}

std::optional<bool> parseBoolean(QStringView s)
{
    if (is(s, QLatin1String("TRUE")))
        return true;
    if (is(s, QLatin1String("FALSE")))
        return false;
    return std::nullopt;
}

} // namespace host::packet
