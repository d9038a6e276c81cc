// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariant>

namespace host {
class TClientDataSet;
}

namespace dialog {

class TfrmObservacaoMod;

// State of the call in progress. The entry owns one per loaded module and hands it to
// the window it builds; the window's commands write it and the entry reads it back.
// Hosts reach it only through the module's entry points.
struct CallState
{
    TfrmObservacaoMod *frmObservacaoMod = nullptr; // the window of the call in progress
    QString stCaption; // caption of the last call
    host::TClientDataSet *ClientDataSet = nullptr; // the caller's list, borrowed
    QVariant OleResult; // result array of the last command
    bool boCriado = false; // a window is built for this call

    // Set when the exit or confirm command has stored this call's result; a window
    // closed any other way leaves it false and the entry answers "Erro".
    bool resultadoGravado = false;
};

} // namespace dialog
