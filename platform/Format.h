// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>

namespace platform {

// Formats a text with one "%s": the argument is inserted verbatim, whatever it holds
// ("%" and "%s" in the argument stay as they are). "%%" in the format gives "%".
OBSHOST_EXPORT QString Format(const QString &format, const QString &arg);

} // namespace platform
