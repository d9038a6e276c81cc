// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/FieldValue.h"

#include "host/data/PacketForms.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QDateTime>

#include <cmath>

namespace host {

using packet::ValueKind;

namespace {

bool isNumber(int id)
{
    switch (id) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// Characters, not UTF-16 units: a letter outside the basic plane is one character too.
qsizetype characters(const QString &s)
{
    qsizetype n = s.size();
    for (QChar c : s)
        if (c.isLowSurrogate())
            --n;
    return n;
}

QVariant refuse(QString *problem, const QString &why)
{
    *problem = why;
    return QVariant();
}

QVariant toText(const FieldDef &def, const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id != QMetaType::QString && id != QMetaType::QChar && id != QMetaType::Bool && !isNumber(id))
        return refuse(problem, QStringLiteral("não é um texto"));
    const QString text
        = id == QMetaType::Double ? QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest) : v.toString();
    if (def.width > 0 && text.size() > def.width && characters(text) > def.width)
        return refuse(
            problem,
            QStringLiteral("tem %1 caracteres, mais que a largura do campo (%2)").arg(characters(text)).arg(def.width));
    return text;
}

QVariant toInteger(const FieldDef &def, const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id != QMetaType::QString && id != QMetaType::Bool && !isNumber(id))
        return refuse(problem, QStringLiteral("não é um número inteiro"));
    const std::optional<qint64> n = platform::varToInt64(v);
    if (!n)
        return refuse(problem, QStringLiteral("não é um número inteiro"));
    qlonglong min = 0, max = 0;
    packet::isIntegerType(def.type, &min, &max);
    if (*n < min || *n > max)
        return refuse(problem, QStringLiteral("está fora dos limites do tipo (%1 a %2)").arg(min).arg(max));
    if (def.type == FieldType::Int64 || def.type == FieldType::UInt32)
        return QVariant(qlonglong(*n));
    return QVariant(int(*n));
}

QVariant toDecimal(const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    bool ok = false;
    double d = 0;
    if (isNumber(id))
        d = v.toDouble(&ok);
    else if (id == QMetaType::QString)
        d = v.toString().trimmed().toDouble(&ok); // C locale: "2.5", never "2,5"
    if (!ok)
        return refuse(problem, QStringLiteral("não é um número"));
    return d;
}

QVariant toBoolean(const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id == QMetaType::Bool)
        return v.toBool();
    if (id == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (const auto b = packet::parseBoolean(s))
            return *b;
        if (s.compare(QLatin1String("t"), Qt::CaseInsensitive) == 0 || s == QLatin1String("1"))
            return true;
        if (s.compare(QLatin1String("f"), Qt::CaseInsensitive) == 0 || s == QLatin1String("0"))
            return false;
    } else if (isNumber(id)) {
        const std::optional<qint64> n = platform::varToInt64(v);
        if (n && (*n == 0 || *n == 1))
            return *n == 1;
    }
    return refuse(problem, QStringLiteral("não é um valor lógico (verdadeiro ou falso)"));
}

// The platform's date-times are naive wall-clock values: local time.
QDateTime local(const QDateTime &dt)
{
    const QDateTime l = dt.toLocalTime();
    return QDateTime(l.date(), l.time());
}

std::optional<QDateTime> parseIsoDateTime(QString s)
{
    if (s.size() > 10 && s.at(10) == u' ')
        s[10] = u'T';
    const QDateTime dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (dt.isValid() && s.size() > 10 && s.at(10) == u'T')
        return local(dt);
    return packet::parseDateTime(s);
}

QVariant toDate(const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id == QMetaType::QDate)
        return v.toDate().isValid() ? v : platform::varNull();
    if (id == QMetaType::QDateTime) {
        if (!v.toDateTime().isValid())
            return platform::varNull();
        const QDateTime dt = local(v.toDateTime());
        if (dt.time() != QTime(0, 0))
            return refuse(problem, QStringLiteral("tem hora, e o campo é só de data"));
        return dt.date();
    }
    if (id == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        QDate d = s.size() == 10 ? QDate::fromString(s, Qt::ISODate) : QDate();
        if (!d.isValid())
            d = packet::parseDate(s).value_or(QDate());
        if (d.isValid())
            return d;
    }
    return refuse(problem, QStringLiteral("não é uma data"));
}

QVariant toTime(const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id == QMetaType::QTime)
        return v.toTime().isValid() ? v : platform::varNull();
    if (id == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        QTime t = QTime::fromString(s, Qt::ISODateWithMs);
        if (!t.isValid())
            t = packet::parseTime(s).value_or(QTime());
        if (t.isValid())
            return t;
    }
    return refuse(problem, QStringLiteral("não é uma hora"));
}

QVariant toDateTime(const QVariant &v, QString *problem)
{
    const int id = v.metaType().id();
    if (id == QMetaType::QDateTime)
        return v.toDateTime().isValid() ? QVariant(local(v.toDateTime())) : platform::varNull();
    if (id == QMetaType::QDate)
        return v.toDate().isValid() ? QVariant(QDateTime(v.toDate(), QTime(0, 0))) : platform::varNull();
    if (id == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (const auto dt = parseIsoDateTime(s))
            return *dt;
        // A date alone is that day's midnight.
        QDate d = s.size() == 10 ? QDate::fromString(s, Qt::ISODate) : packet::parseDate(s).value_or(QDate());
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return refuse(problem, QStringLiteral("não é uma data e hora"));
}

} // namespace

QVariant FieldValue::tryConvert(const FieldDef &def, const QVariant &value, QString *problem)
{
    if (!value.isValid() || value.isNull())
        return platform::varNull();
    switch (packet::kindOf(def.type)) {
    case ValueKind::Text:
        return toText(def, value, problem);
    case ValueKind::Integer:
        return toInteger(def, value, problem);
    case ValueKind::Decimal:
        return toDecimal(value, problem);
    case ValueKind::Boolean:
        return toBoolean(value, problem);
    case ValueKind::Date:
        return toDate(value, problem);
    case ValueKind::Time:
        return toTime(value, problem);
    case ValueKind::DateTime:
        return toDateTime(value, problem);
    }
    return refuse(problem, QStringLiteral("tem um tipo desconhecido"));
}

QString FieldValue::refusal(const FieldDef &def, const QVariant &value, int record, const QString &problem)
{
    QString type = packet::typeName(def.type);
    if (def.width > 0 && packet::kindOf(def.type) == ValueKind::Text)
        type += QStringLiteral(", largura %1").arg(def.width);
    const QString text = value.canConvert<QString>() ? value.toString() : QString::fromLatin1(value.typeName());
    return QStringLiteral("Campo '%1' (%2), registro %3: o valor '%4' %5.")
        .arg(def.name, type)
        .arg(record)
        .arg(packet::shown(text), problem);
}

QVariant FieldValue::convert(const FieldDef &def, const QVariant &value, int record)
{
    QString problem;
    QVariant converted = tryConvert(def, value, &problem);
    if (!converted.isValid())
        throw platform::EConvertError(refusal(def, value, record, problem));
    return converted;
}

} // namespace host
