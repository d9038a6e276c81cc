// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "module/Entry.h"

#include "module/HostWindow.h"

#include "dialog/CallState.h"
#include "dialog/DisplayParameters.h"
#include "dialog/ResultArray.h"
#include "dialog/TfrmObservacaoMod.h"
#include "host/data/TClientDataSet.h"
#include "host/services/Mensagem.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Screen.h"

#include <array>

namespace module {

namespace {

// The one call this loaded module can have in progress.
dialog::CallState g_call;

void showTrappedError(const std::exception_ptr &error) noexcept
{
    try {
        host::Mensagem(platform::exceptionMessage(error), QString(), QStringLiteral("N"), QStringLiteral("N"),
                       host::tmInformacao, QString(), QStringLiteral("002"), 0, nullptr);
    } catch (...) {
        // A failing message must not carry the error across the module boundary.
        qWarning("ObservacaoMod: the error message could not be shown");
    }
}

void checkCallable(host::TClientDataSet *list)
{
    if (!list)
        throw platform::EInvalidOperation(QStringLiteral("Lista de observações não informada."));
    if (!list->Active())
        throw platform::EInvalidOperation(QStringLiteral("A lista de observações não está aberta."));
}

} // namespace

QVariant observacaoMod(host::TClientDataSet *list, const QString &caption) noexcept
{
    // Off the interface thread (or without one) nothing of the interface may be touched,
    // not even the pointer or a message: the call only warns and returns empty.
    if (!platform::Application::onInterfaceThread("ObservacaoMod", "the call is refused"))
        return QVariant();
    // A call made while another is in progress must not touch that call's window.
    if (g_call.boCriado) {
        qWarning("ObservacaoMod: a call is already in progress; this call is refused");
        return QVariant();
    }

    QVariant result;
    bool builtHere = false;
    // Taken before anything of the call is shown: the window the operator was working in.
    const HostWindow owner;
    try {
        platform::Screen::setCursor(platform::Screen::crHourGlass);
        checkCallable(list);
        g_call.frmObservacaoMod = new dialog::TfrmObservacaoMod(g_call, nullptr);
        builtHere = true;
        g_call.frmObservacaoMod->InicializaForm(list, caption);
        g_call.frmObservacaoMod->SetCaption(g_call.stCaption);
        g_call.boCriado = true;
        g_call.resultadoGravado = false;
        owner.adopt(g_call.frmObservacaoMod);
        platform::Screen::centre(g_call.frmObservacaoMod);
        g_call.frmObservacaoMod->ShowModal();
        // Closed by the system rather than by Exit or Confirm: the operator left.
        if (!g_call.resultadoGravado)
            dialog::storeLeftResult(g_call);
        result = g_call.OleResult;
        platform::Screen::setCursor(platform::Screen::crDefault);
    } catch (...) {
        platform::Screen::setCursor(platform::Screen::crDefault);
        result = QVariant();
        showTrappedError(std::current_exception());
    }

    delete g_call.frmObservacaoMod;
    g_call.frmObservacaoMod = nullptr;
    // A window released without having closed must not lock the module.
    if (builtHere)
        g_call.boCriado = false;
    platform::Screen::setCursor(platform::Screen::crDefault);
    owner.giveKeyboardBack();
    return result;
}

// ---- package units ----

namespace {

int g_unitStarts = 0;

void unitInitialize()
{
    if (g_unitStarts++ > 0)
        return;
    g_call.boCriado = false;
}

void unitFinalize()
{
    if (g_unitStarts == 0 || --g_unitStarts > 0)
        return;
    g_call.OleResult = QVariant();
    g_call.stCaption = QString();
    dialog::forgetDisplayParameters();
}

const std::array<PackageUnitEntry, 1> kUnits = {{
    {"ObservacaoMod", &unitInitialize, &unitFinalize},
}};

const PackageInfoTable kTable = {int(kUnits.size()), kUnits.data()};

} // namespace

void initializePackage() noexcept
{
    for (int i = 0; i < kTable.unitCount; ++i)
        if (kTable.units[i].initialize)
            kTable.units[i].initialize();
}

void finalizePackage() noexcept
{
    for (int i = kTable.unitCount - 1; i >= 0; --i)
        if (kTable.units[i].finalize)
            kTable.units[i].finalize();
}

const PackageInfoTable *packageInfoTable() noexcept
{
    return &kTable;
}

const dialog::CallState &callState() noexcept
{
    return g_call;
}

} // namespace module
