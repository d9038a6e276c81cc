// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

namespace bench {

constexpr int ObservationRows = 10000;

// A packet of ObservationRows rows of the observation list's shape (text, an integer,
// money with nulls, a date, a boolean): what the loading benchmarks read, from the packet
// and from a database holding the same rows.
const QByteArray &observationPacket();

} // namespace bench
