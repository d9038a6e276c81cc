#include "platform/Variants.h"

#include "platform/Exception.h"

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
