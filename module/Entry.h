// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "module/ObservacaoMod.h"

namespace dialog {
struct CallState;
}

namespace module {

using observacao::PackageInfoTable;
using observacao::PackageUnitEntry;

// The module's entry: builds, shows and releases the observation window for one call.
// Never throws; every error is shown through Mensagem and answered with an empty variant.
QVariant observacaoMod(host::TClientDataSet *list, const QString &caption) noexcept;

// Package start-up and shut-down, counted per unit.
void initializePackage() noexcept;
void finalizePackage() noexcept;
const PackageInfoTable *packageInfoTable() noexcept;

// This module's call state, read only: the window, caption and result of the call in
// progress or of the last one. For tests and diagnostics.
const dialog::CallState &callState() noexcept;

} // namespace module
