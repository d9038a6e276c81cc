#include "module/ResultArray.h"

#include "module/ModuleState.h"
#include "platform/Variants.h"

namespace module {

void storeLeftResult()
{
    OleResult = platform::varArrayCreate(0, 0);
    platform::varArrayPut(OleResult, 0, QStringLiteral("Erro"));
    resultadoGravado = true;
}

} // namespace module
