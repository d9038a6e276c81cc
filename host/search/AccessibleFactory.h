// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

namespace host {

// Makes queryAccessibleInterface answer for the search's and the editor's own painted
// controls (TAreaTexto, TListaPesquisa, TfrmPesquisa); once per process, however often
// called.
void installSearchAccessibility();

} // namespace host
