// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The plug-in's four entry points, under their plain names; everything else is hidden.
// The public header names them but declares none of them, so they are declared here,
// and each is checked against the function type hosts call it through.
#include "module/Entry.h"

#include <type_traits>

#define OBS_EXPORT __attribute__((visibility("default")))

// extern "C" only keeps the names unmangled: hosts are C++ and call through the C++
// function types of the public header, so a QVariant result is what they expect.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wreturn-type-c-linkage"
#endif

extern "C" {

OBS_EXPORT QVariant ObservacaoMod(host::TClientDataSet *list, const QString &caption) noexcept
{
    return module::observacaoMod(list, caption);
}

OBS_EXPORT void Initialize() noexcept
{
    module::initializePackage();
}

OBS_EXPORT void Finalize() noexcept
{
    module::finalizePackage();
}

OBS_EXPORT const observacao::PackageInfoTable *GetPackageInfoTable() noexcept
{
    return module::packageInfoTable();
}

} // extern "C"

static_assert(std::is_same_v<decltype(&ObservacaoMod), observacao::ObservacaoModFn>);
static_assert(std::is_same_v<decltype(&Initialize), observacao::InitializeFn>);
static_assert(std::is_same_v<decltype(&Finalize), observacao::FinalizeFn>);
static_assert(std::is_same_v<decltype(&GetPackageInfoTable), observacao::GetPackageInfoTableFn>);
