// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

class QWidget;

namespace host {

// Translates a window's texts (its title, every control's caption and accessible name,
// and the lines of its message catalogues) through Qt's translation system, with the
// window's class name as context. With no translator installed the texts stay as they are.
OBSHOST_EXPORT void Trad(QWidget *window);

} // namespace host
