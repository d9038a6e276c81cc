#pragma once

#include <QString>
#include <QVariant>

namespace host {
class TClientDataSet;
}

namespace dialog {
class TfrmObservacaoMod;
}

// State that the entry and the dialog share, one copy per loaded module. Kept inside
// the module: hosts reach the module only through its entry points.
namespace module {

extern dialog::TfrmObservacaoMod *frmObservacaoMod; // the window of the call in progress
extern QString stCaption; // caption of the last call
extern host::TClientDataSet *ClientDataSet; // the caller's list, borrowed
extern QVariant OleResult; // result array of the last command
extern bool boCriado; // a window is built for this call

// Set when the exit or confirm command has stored this call's result; a window closed
// any other way leaves it false and the entry answers "Erro".
extern bool resultadoGravado;

} // namespace module
