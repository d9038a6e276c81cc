// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariant>

namespace host {
class TClientDataSet;
}

// State of the call in progress, one copy per loaded module. It lives with the window
// because the window's commands write it; the entry above only reads and resets it.
// Hosts reach it only through the module's entry points.
namespace dialog {

class TfrmObservacaoMod;

extern TfrmObservacaoMod *frmObservacaoMod; // the window of the call in progress
extern QString stCaption; // caption of the last call
extern host::TClientDataSet *ClientDataSet; // the caller's list, borrowed
extern QVariant OleResult; // result array of the last command
extern bool boCriado; // a window is built for this call

// Set when the exit or confirm command has stored this call's result; a window closed
// any other way leaves it false and the entry answers "Erro".
extern bool resultadoGravado;

} // namespace dialog
