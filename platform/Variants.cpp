// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Variants.h"

#include "platform/Exception.h"

#include <cmath>
#include <limits>

namespace platform {

bool varIsNull(const QVariant &v)
{
    return v.isValid() && v.metaType() == QMetaType::fromType<std::nullptr_t>();
}

QString varToStr(const QVariant &v)
{
    if (!v.isValid() || varIsNull(v))
        return QString();
    return v.toString();
}

std::optional<qint64> varToInt64(const QVariant &v)
{
    if (!v.isValid() || varIsNull(v))
        return std::nullopt;
    bool ok = false;
    qint64 n = 0;
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        // Converting a double outside the 64-bit range (or NaN) is undefined: check first.
        // 2^63 is exact as a double; anything from there on does not fit.
        if (!std::isfinite(d) || d != std::trunc(d) || d < -9223372036854775808.0 || d >= 9223372036854775808.0)
            return std::nullopt;
        return qint64(d);
    }
    case QMetaType::QString:
        n = v.toString().trimmed().toLongLong(&ok);
        break;
    case QMetaType::ULongLong:
        // toLongLong would wrap the largest ones round to negative numbers.
        ok = v.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
        n = qint64(v.toULongLong());
        break;
    default:
        n = v.toLongLong(&ok);
        break;
    }
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

QVariant varArrayCreate(int low, int high)
{
    if (low != 0 || high < low - 1)
        throw EInvalidOperation(QStringLiteral("Limites de matriz inválidos: %1..%2").arg(low).arg(high));
    QVariantList items;
    items.resize(high - low + 1);
    return QVariant(items);
}

bool varIsArray(const QVariant &v)
{
    return v.metaType() == QMetaType::fromType<QVariantList>();
}

int varArrayHighBound(const QVariant &v)
{
    if (!varIsArray(v))
        throw EInvalidOperation(QStringLiteral("A variante não é uma matriz."));
    return int(v.toList().size()) - 1;
}

void varArrayPut(QVariant &v, int index, const QVariant &value)
{
    if (!varIsArray(v))
        throw EInvalidOperation(QStringLiteral("A variante não é uma matriz."));
    auto *items = static_cast<QVariantList *>(v.data());
    if (index < 0 || index >= items->size())
        throw EInvalidOperation(QStringLiteral("Índice de matriz fora dos limites: %1").arg(index));
    (*items)[index] = value;
}

} // namespace platform
