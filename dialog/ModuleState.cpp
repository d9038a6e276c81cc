// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/ModuleState.h"

namespace dialog {

TfrmObservacaoMod *frmObservacaoMod = nullptr;
QString stCaption;
host::TClientDataSet *ClientDataSet = nullptr;
QVariant OleResult;
bool boCriado = false;
bool resultadoGravado = false;

} // namespace dialog
