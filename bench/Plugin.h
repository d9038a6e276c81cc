// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "module/ObservacaoMod.h"

#include <QString>

namespace bench {

// The plug-in, loaded once with QLibrary and initialised as a host does at start-up.
struct Plugin
{
    observacao::ObservacaoModFn observacaoMod = nullptr;
    QString error;
};

const Plugin &plugin();

// Posts Escape to the modal window once the event loop runs, as a key the operator
// pressed would arrive.
void leaveWithEscapeOnceShown();

} // namespace bench
