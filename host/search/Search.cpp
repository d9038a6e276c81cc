#include "host/search/Search.h"

namespace host {

PesquisaProc Pesquisa = PesquisaPadrao;
EditaTextoProc EditaTexto = EditaTextoPadrao;

} // namespace host
