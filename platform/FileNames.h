// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>

namespace platform {

// The path of the file named `name` in directory `dir`, matched as a system that
// ignores case would match it: the exact name when that file exists, otherwise the
// one file whose name differs only in case. When several differ only in case, the
// first in code-point order is taken (capitals sort first) and a warning names them
// all. Empty when there is none. Only regular files count.
OBSHOST_EXPORT QString findFileIgnoringCase(const QString &dir, const QString &name);

} // namespace platform
