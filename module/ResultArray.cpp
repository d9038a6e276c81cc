#include "module/ResultArray.h"

#include "module/ModuleState.h"
#include "platform/Variants.h"

namespace module {

void storeLeftResult()
{
    OleResult = platform::varArrayCreate(0, 0);
    // On the heap, not a literal: the host may read it after unloading the module.
    platform::varArrayPut(OleResult, 0, QString::fromLatin1("Erro"));
    resultadoGravado = true;
}

} // namespace module
