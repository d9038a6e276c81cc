// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

namespace dialog {

struct CallState;

// Stores the Left layout of the result array into the call's OleResult: bounds 0..0, element 0
// the text "Erro". The Chosen layout is built by the confirm command itself.
void storeLeftResult(CallState &call);

} // namespace dialog
