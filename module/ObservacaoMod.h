#pragma once

// The module's public interface, for hosts. The module is loaded at run time (QLibrary)
// and its four entry points are resolved by these plain names.

#include <QString>
#include <QVariant>

namespace host {
class TClientDataSet;
}

extern "C" {

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

// Shows the observation dialog over list with caption as its title and returns the
// result array: a QVariantList holding the chosen record's field values followed by the
// composed text, or the single text "Erro" when the operator left. An empty QVariant
// when the call failed before the dialog closed. Never throws.
// Call on the GUI thread of a running QApplication; list stays the caller's.
QVariant ObservacaoMod(host::TClientDataSet *list, const QString &caption) noexcept;

// Package start-up and shut-down, each counted: only the first Initialize acts, and
// only the Finalize that balances it.
void Initialize() noexcept;
void Finalize() noexcept;
const PackageInfoTable *GetPackageInfoTable() noexcept;

} // extern "C"

using ObservacaoModFunc = QVariant (*)(host::TClientDataSet *, const QString &) noexcept;
using InitializeFunc = void (*)() noexcept;
using FinalizeFunc = void (*)() noexcept;
using GetPackageInfoTableFunc = const PackageInfoTable *(*)() noexcept;
