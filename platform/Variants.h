// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

// Variants are QVariant. Empty (unassigned) is QVariant(); null is a valid variant
// holding nullptr, so the two stay distinct the way the host's variants keep them.
namespace platform {

inline QVariant varEmpty()
{
    return QVariant();
}
inline QVariant varNull()
{
    return QVariant::fromValue(nullptr);
}
inline bool varIsEmpty(const QVariant &v)
{
    return !v.isValid();
}
OBSHOST_EXPORT bool varIsNull(const QVariant &v);

// Text of a variant: empty and null give "".
OBSHOST_EXPORT QString varToStr(const QVariant &v);

// The integer a variant holds: integers of any type that fit 64 bits, booleans as 0 and 1,
// text of digits (blanks around it ignored) and doubles that are whole and inside the
// 64-bit range. Nothing for anything else, null and empty included.
OBSHOST_EXPORT std::optional<qint64> varToInt64(const QVariant &v);

// A one-dimensional array with bounds low..high whose elements start empty.
// The lower bound of every array this system builds is 0, so a QVariantList carries it.
OBSHOST_EXPORT QVariant varArrayCreate(int low, int high);
OBSHOST_EXPORT bool varIsArray(const QVariant &v);
OBSHOST_EXPORT int varArrayHighBound(const QVariant &v);
// Replaces element index of the array held in v.
OBSHOST_EXPORT void varArrayPut(QVariant &v, int index, const QVariant &value);

} // namespace platform
