// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

// The module's public interface, for hosts (C++17). The module is a plug-in loaded at run
// time (QLibrary, dlopen); hosts resolve its four entry points by the names below and call
// them through the function types below. The header declares no function of those names,
// so a host is free to have its own Initialize or Finalize.

#include <QString>
#include <QVariant>

namespace host {
class TClientDataSet;
}

namespace observacao {

// One unit of the package: its start-up and shut-down.
struct PackageUnitEntry
{
    const char *name;
    void (*initialize)();
    void (*finalize)();
};

struct PackageInfoTable
{
    int unitCount;
    const PackageUnitEntry *units;
};

// ObservacaoMod(list, caption): shows the observation dialog over list with caption as
// its title and returns the result array: a QVariantList holding the chosen record's
// field values followed by the composed text, or the single text "Erro" when the operator
// left. An empty QVariant when the call failed before the dialog closed. Never throws.
// Call on the GUI thread of a running QApplication; list stays the caller's.
using ObservacaoModFn = QVariant (*)(host::TClientDataSet *list, const QString &caption) noexcept;
// Package start-up and shut-down, each counted: only the first Initialize acts, and only
// the Finalize that balances it. Call Initialize before the first call and Finalize
// before unloading.
using InitializeFn = void (*)() noexcept;
using FinalizeFn = void (*)() noexcept;
using GetPackageInfoTableFn = const PackageInfoTable *(*)() noexcept;

// The exported names (extern "C", unmangled).
constexpr const char *kObservacaoMod = "ObservacaoMod";
constexpr const char *kInitialize = "Initialize";
constexpr const char *kFinalize = "Finalize";
constexpr const char *kGetPackageInfoTable = "GetPackageInfoTable";

} // namespace observacao
