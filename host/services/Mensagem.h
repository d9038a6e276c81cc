// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>
#include <functional>

namespace host {

class TClientDataSet;

enum TTipoMsg { tmPergunta = 0, tmAviso = 1, tmErro = 2, tmInformacao = 3 };

// The nine arguments of a message, as the caller passed them.
struct MensagemArgs
{
    QString texto;
    QString titulo;
    QString opcao1;
    QString opcao2;
    TTipoMsg tipo = tmInformacao;
    QString complemento;
    QString idEsquema;
    int ajuda = 0;
    TClientDataSet *dados = nullptr;
};

// Shows a message to the operator and returns once it has been dismissed.
OBSHOST_EXPORT void Mensagem(const QString &texto, const QString &titulo, const QString &opcao1, const QString &opcao2,
                             TTipoMsg tipo, const QString &complemento, const QString &idEsquema, int ajuda,
                             TClientDataSet *dados);

// A host may see every message: its handler runs in place of the default box and may
// call MensagemPadrao itself to still show it. An empty handler restores the default.
using MensagemHandler = std::function<void(const MensagemArgs &args)>;
OBSHOST_EXPORT void SetMensagemHandler(MensagemHandler handler);

// An error that a window's handler raises is shown through Mensagem. A window that
// has a property of this name (its scheme identifier, text) gets those errors shown
// as its own messages: kind tmInformacao with that scheme; so do the dialogs shown
// over it. Elsewhere they are shown as tmErro without a scheme.
inline constexpr char kSchemePropertyName[] = "idEsquema";

// The default: a modal touch message box with one large key, btnOk, that it closes
// by; Return and Escape close it too.
OBSHOST_EXPORT void MensagemPadrao(const MensagemArgs &args);

} // namespace host
