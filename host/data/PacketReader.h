// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/DataPacket.h"

class QIODevice;

namespace host::packet {

// Reads a whole packet from in, at most maxBytes of it; raises EDatabaseError naming the
// problem (not the file).
DataPacket::Content readPacket(QIODevice &in, qint64 maxBytes);

} // namespace host::packet
