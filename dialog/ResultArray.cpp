// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/ResultArray.h"

#include "dialog/CallState.h"
#include "platform/Variants.h"

namespace dialog {

void storeLeftResult(CallState &call)
{
    call.OleResult = platform::varArrayCreate(0, 0);
    // On the heap, not a literal: the host may read it after unloading the module.
    platform::varArrayPut(call.OleResult, 0, QString::fromLatin1("Erro"));
    call.resultadoGravado = true;
}

} // namespace dialog
