// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>

namespace host {

// True for an empty text and for one of blanks (and other control characters) only.
OBSHOST_EXPORT bool EmptyString(const QString &text);

// Brings a code to the width in which codes are stored: a shorter code is left-padded
// with "0" ("1" gives "01", "A" gives "0A"); a code of the width or longer is unchanged.
OBSHOST_EXPORT QString Ajusta(const QString &code, int width);

} // namespace host
