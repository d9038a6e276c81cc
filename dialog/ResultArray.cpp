// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/ResultArray.h"

#include "dialog/ModuleState.h"
#include "platform/Variants.h"

namespace dialog {

void storeLeftResult()
{
    OleResult = platform::varArrayCreate(0, 0);
    // On the heap, not a literal: the host may read it after unloading the module.
    platform::varArrayPut(OleResult, 0, QString::fromLatin1("Erro"));
    resultadoGravado = true;
}

} // namespace dialog
