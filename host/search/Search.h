// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>
#include <functional>

namespace host {

class TClientDataSet;

// The search package's procedure variables. A host may assign its own; by default they
// hold the package's touch dialogs below.
//
// Pesquisa(list, 0, 0, cor1, cor2, cor3, cor5, 0): shows the list and returns true when
// the operator chose a record, which it leaves as the list's current record.
using PesquisaProc
    = std::function<bool(TClientDataSet *list, int arg1, int arg2, int cor1, int cor2, int cor3, int cor5, int arg7)>;
// EditaTexto(0, text, cor1, cor2, cor3): lets the operator edit the text and returns the
// text to be used from now on.
using EditaTextoProc = std::function<QString(int arg0, const QString &text, int cor1, int cor2, int cor3)>;

OBSHOST_EXPORT extern PesquisaProc Pesquisa;
OBSHOST_EXPORT extern EditaTextoProc EditaTexto;

// The default dialogs. The colours are references 0x00BBGGRR; 0 gives the default look.
// cor1 window frame, cor2 disabled key face, cor3 key face, cor5 key captions (SearchLook.h).
// PesquisaPadrao returns false for a null list and raises platform::EDatabaseError for a
// list without DSOCORR. Without a QApplication, or off its thread, nothing is shown:
// PesquisaPadrao returns false and EditaTextoPadrao the text as given.
OBSHOST_EXPORT bool PesquisaPadrao(TClientDataSet *list, int arg1, int arg2, int cor1, int cor2, int cor3, int cor5,
                                   int arg7);
OBSHOST_EXPORT QString EditaTextoPadrao(int arg0, const QString &text, int cor1, int cor2, int cor3);

} // namespace host
