// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "module/ObservacaoMod.h"

#include <QLibrary>
#include <QString>
#include <QVariant>

namespace demo {

// The observation module, loaded at run time as a host loads its runtime packages:
// open the library, resolve the entry points by their plain names, Initialize before
// the first call, Finalize before unloading.
class ModuleLibrary
{
public:
    explicit ModuleLibrary(const QString &fileName);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary &) = delete;
    ModuleLibrary &operator=(const ModuleLibrary &) = delete;

    // Loads the library and resolves ObservacaoMod, Initialize and Finalize.
    bool load();
    QString errorString() const { return m_error; }
    QString fileName() const { return m_library.fileName(); }

    void initialize() const { m_initialize(); }
    void finalize() const { m_finalize(); }
    QVariant observacaoMod(host::TClientDataSet *list, const QString &caption) const
    {
        return m_observacaoMod(list, caption);
    }

    void unload();

private:
    QLibrary m_library;
    QString m_error;
    observacao::ObservacaoModFn m_observacaoMod = nullptr;
    observacao::InitializeFn m_initialize = nullptr;
    observacao::FinalizeFn m_finalize = nullptr;
};

} // namespace demo
