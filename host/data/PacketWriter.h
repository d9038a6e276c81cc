// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QByteArray>
#include <QVariantList>
#include <QVector>

namespace host::packet {

// The packet of a table; raises EDatabaseError naming the problem (not the file).
QByteArray writePacket(const QVector<FieldDef> &defs, const QVector<QVariantList> &records);

} // namespace host::packet
