// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/Search.h"

namespace host {

PesquisaProc Pesquisa = PesquisaPadrao;
EditaTextoProc EditaTexto = EditaTextoPadrao;

} // namespace host
