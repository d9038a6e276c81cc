// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "demo/app/ModuleLibrary.h"

#include <QFileInfo>

namespace demo {

ModuleLibrary::ModuleLibrary(const QString &fileName)
    : m_library(fileName)
{ }

ModuleLibrary::~ModuleLibrary()
{
    unload();
}

bool ModuleLibrary::load()
{
    if (!QFileInfo::exists(m_library.fileName())) {
        m_error = QStringLiteral("no module at \"%1\"").arg(m_library.fileName());
        return false;
    }
    if (!m_library.load()) {
        m_error
            = QStringLiteral("cannot load the module \"%1\": %2").arg(m_library.fileName(), m_library.errorString());
        return false;
    }
    m_observacaoMod = reinterpret_cast<observacao::ObservacaoModFn>(m_library.resolve("ObservacaoMod"));
    m_initialize = reinterpret_cast<observacao::InitializeFn>(m_library.resolve("Initialize"));
    m_finalize = reinterpret_cast<observacao::FinalizeFn>(m_library.resolve("Finalize"));
    const char *missing = !m_observacaoMod ? "ObservacaoMod"
        : !m_initialize                    ? "Initialize"
        : !m_finalize                      ? "Finalize"
                                           : nullptr;
    if (missing) {
        m_error = QStringLiteral("the module \"%1\" does not export %2")
                      .arg(m_library.fileName(), QLatin1StringView(missing));
        unload();
        return false;
    }
    return true;
}

void ModuleLibrary::unload()
{
    m_observacaoMod = nullptr;
    m_initialize = nullptr;
    m_finalize = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
}

} // namespace demo
