// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>

namespace host {

// Installs the bundled translations for a locale ("en", "es", "es_AR", ...) into the
// running application, replacing any installed by an earlier call. Looks in
// share/observacao/translations beside the library's and the program's directories.
// Portuguese needs no file: the texts are written in it. Returns false, leaving the
// texts as they were, when no translation for the locale is found. Call from the GUI
// thread after the QApplication exists and before the windows are created.
OBSHOST_EXPORT bool InstallTranslations(const QString &locale);

} // namespace host
