// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "dialog/TfrmObservacaoMod.h"

#include "dialog/CallState.h"
#include "dialog/DisplayParameters.h"
#include "dialog/ResultArray.h"
#include "dialog/WindowBuilder.h"
#include "dialog/WindowDescription.h"
#include "host/controls/TBlendedBitBtn.h"
#include "host/controls/TTecladoTela.h"
#include "host/data/TClientDataSet.h"
#include "host/search/Search.h"
#include "host/services/Mensagem.h"
#include "host/services/StrUtils.h"
#include "host/services/TMessages.h"
#include "host/services/Trad.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/FileNames.h"
#include "platform/Format.h"
#include "platform/TLabel.h"
#include "platform/Variants.h"

#include <QFileInfo>

using host::EmptyString;
using platform::ShiftFlag;
using platform::ShiftState;

namespace dialog {

namespace {

constexpr const char *kParameterFile = "PARAMETROSLUM.CDS";
// The parameter file holds one record of five fields; it is looked at on every call.
constexpr qint64 kParameterFileLimit = 1024 * 1024;

using ClickHandler = void (TfrmObservacaoMod::*)(QObject *sender);

// The handler of each command the window description names.
ClickHandler handlerOf(Command command)
{
    using F = TfrmObservacaoMod;
    switch (command) {
    case Command::None:
        return nullptr;
    case Command::Character:
        return &F::sbt1Click;
    case Command::CCedilla:
        return &F::sbtCCdilClick;
    case Command::Space:
        return &F::sbtEspacoClick;
    case Command::Backspace:
        return &F::spdBackSpaceClick;
    case Command::Clear:
        return &F::sbtCorrigirClick;
    case Command::Enter:
        return &F::sbtEnterClick;
    case Command::Search:
        return &F::sbtPesquisaClick;
    case Command::EditDescription:
        return &F::sbtEditaDescClick;
    case Command::Confirm:
        return &F::spbConfirmarClick;
    case Command::Exit:
        return &F::sbtSairClick;
    }
    return nullptr;
}

bool isAccepted(unsigned char c)
{
    return c == 32 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 199
        || c == 231;
}

} // namespace

TfrmObservacaoMod::TfrmObservacaoMod(CallState &call, QWidget *owner)
    : platform::TForm(owner)
    , cdsParametrosLum(std::make_unique<host::TClientDataSet>())
    , m_call(call)
{
    setObjectName(QStringLiteral("frmObservacaoMod"));
    SetCaption(QString::fromUtf8(kWindowCaption));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(false);
    SetColor(Qt::black);

    OnActivate = [this](QObject *s) { FormActivate(s); };
    OnClose = [this](QObject *s) { FormClose(s); };
    OnCreate = [this](QObject *s) { FormCreate(s); };
    OnKeyDown = [this](QObject *s, quint16 &k, ShiftState sh) { FormKeyDown(s, k, sh); };
    OnKeyPress = [this](QObject *s, char &k) { FormKeyPress(s, k); };

    buildControls();
    DoCreate();
}

TfrmObservacaoMod::~TfrmObservacaoMod() = default;

void TfrmObservacaoMod::buildControls()
{
    // Every key reaches its command through the keyboard: the command the window
    // description names, with the key itself as the sender. Several keys share one.
    WindowBuilder::Controls built = WindowBuilder::build(*this);
    m_controls = std::move(built.byName);
    m_keyboard = built.keyboard;
    connect(m_keyboard, &host::TTecladoTela::commandClicked, this, &TfrmObservacaoMod::keyClicked);

    lblInformacao = qobject_cast<platform::TLabel *>(control(QStringLiteral("lblInformacao")));
    lblDesc = qobject_cast<platform::TLabel *>(control(QStringLiteral("lblDesc")));
    // Both fields are named by what they show; their descriptions tell them apart.
    lblInformacao->setAccessibleDescription(tr("Código"));
    lblDesc->setAccessibleDescription(tr("Descrição"));
    const auto button
        = [this](const char *n) { return qobject_cast<host::TBlendedButton *>(control(QString::fromUtf8(n))); };
    const auto bitBtn
        = [this](const char *n) { return qobject_cast<host::TBlendedBitBtn *>(control(QString::fromUtf8(n))); };
    spdBackSpace = button("spdBackSpace");
    sbtCCdil = button("sbtCCdil");
    sbtCorrigir = bitBtn("sbtCorrigir");
    sbtPesquisa = bitBtn("sbtPesquisa");
    sbtSair = bitBtn("sbtSair");
    sbtEspaco = button("sbtEspaco");
    sbtEnter = bitBtn("sbtEnter");
    spbConfirmar = bitBtn("spbConfirmar");
    sbtEditaDesc = bitBtn("sbtEditaDesc");

    msgPadrao = new host::TMessages(this);
    msgPadrao->setObjectName(QStringLiteral("msgPadrao"));
    for (const char *line : messageCatalogue())
        msgPadrao->Messages.append(QString::fromUtf8(line));
}

void TfrmObservacaoMod::keyClicked(int command, QAbstractButton *key)
{
    // The keyboard catches an error in a command: it is shown and goes no further.
    if (const ClickHandler handler = handlerOf(Command(command)))
        (this->*handler)(key);
}

// ---- start-up and window events ----

void TfrmObservacaoMod::InicializaForm(host::TClientDataSet *list, const QString &caption)
{
    m_call.stCaption = caption;
    m_call.ClientDataSet = list;

    // A station's file may come from a system that ignores case.
    const QString dir = QFileInfo(platform::Application::exeName()).absolutePath();
    const QString path = platform::findFileIgnoringCase(dir, QString::fromLatin1(kParameterFile));
    if (path.isEmpty())
        return;

    const DisplayParameters p = readDisplayParameters(*cdsParametrosLum, path, kParameterFileLimit);
    stIdEsquema = p.idEsquema;
    inCor1 = p.inCor1;
    inCor2 = p.inCor2;
    inCor3 = p.inCor3;
    inCor5 = p.inCor5;
}

void TfrmObservacaoMod::FormCreate(QObject *)
{
    host::Trad(this);
}

void TfrmObservacaoMod::FormActivate(QObject *)
{
    Repaint();
}

void TfrmObservacaoMod::FormClose(QObject *)
{
    m_call.boCriado = false;
}

// ---- code entry ----

void TfrmObservacaoMod::FormKeyPress(QObject *, char &Key)
{
    Repaint();
    if (!isAccepted(static_cast<unsigned char>(Key)))
        return;
    const QString code = lblInformacao->Caption();
    if (code.size() >= 2) {
        Key = '\0';
        return;
    }
    lblInformacao->SetCaption(code + platform::fromAnsi(Key));
}

void TfrmObservacaoMod::FormKeyDown(QObject *, quint16 &Key, ShiftState Shift)
{
    namespace vk = platform::vk;
    if (Key == vk::Return)
        sbtEnterClick(sbtEnter);
    else if (Key == vk::Back)
        spdBackSpaceClick(spdBackSpace);
    else if (Key == vk::Delete)
        sbtCorrigirClick(sbtCorrigir);

    if (Shift == ShiftState(ShiftFlag::Alt)) {
        if (Key == vk::F4)
            Key = 0;
        if (Key == 'P')
            sbtPesquisaClick(sbtPesquisa);
        if (Key == 'E')
            sbtEditaDescClick(sbtEditaDesc);
        if (Key == 'C')
            spbConfirmarClick(spbConfirmar);
    }

    if (Key == vk::Escape)
        sbtSairClick(sbtSair);
}

void TfrmObservacaoMod::sbt1Click(QObject *Sender)
{
    const auto *key = qobject_cast<host::TBlendedButton *>(Sender);
    if (!key)
        return;
    char c = char(key->Tag() & 0xFF);
    if (OnKeyPress)
        OnKeyPress(Sender, c);
}

void TfrmObservacaoMod::sbtCCdilClick(QObject *)
{
    const QString code = lblInformacao->Caption();
    if (code.size() < 2)
        lblInformacao->SetCaption(code + QChar(0xC7));
}

void TfrmObservacaoMod::sbtEspacoClick(QObject *)
{
    const QString code = lblInformacao->Caption();
    if (code.size() < 2)
        lblInformacao->SetCaption(code + u' ');
}

void TfrmObservacaoMod::spdBackSpaceClick(QObject *)
{
    const QString code = lblInformacao->Caption();
    const qsizetype n = qMin<qsizetype>(code.size(), 2);
    if (n > 0)
        lblInformacao->SetCaption(code.left(n - 1));
}

void TfrmObservacaoMod::sbtCorrigirClick(QObject *)
{
    lblInformacao->SetCaption(QString());
}

// ---- commands ----

void TfrmObservacaoMod::mostraMensagem(const QString &key, bool withCaption)
{
    QString text = msgPadrao->Msg(key);
    if (withCaption)
        text = platform::Format(text, m_call.stCaption);
    host::Mensagem(text, QString(), QStringLiteral("N"), QStringLiteral("N"), host::tmInformacao, QString(),
                   stIdEsquema, 0, nullptr);
}

bool TfrmObservacaoMod::normalizaELocaliza()
{
    host::TClientDataSet *list = m_call.ClientDataSet;
    lblInformacao->SetCaption(host::Ajusta(lblInformacao->Caption().left(2), 2));
    return list->Locate(list->GetField(0)->FieldName(), lblInformacao->Caption(),
                        host::TClientDataSet::loCaseInsensitive);
}

void TfrmObservacaoMod::mostraRegistro()
{
    host::TClientDataSet *list = m_call.ClientDataSet;
    const QString code = list->FieldByName(list->GetField(0)->FieldName())->AsString();
    const QString desc = list->FieldByName(list->GetField(1)->FieldName())->AsString();
    lblInformacao->SetCaption(code + QStringLiteral(" - ") + desc);
}

void TfrmObservacaoMod::sbtEnterClick(QObject *)
{
    if (EmptyString(lblInformacao->Caption())) {
        mostraMensagem(QStringLiteral("Cod_Inf"), false);
        return;
    }
    if (normalizaELocaliza()) {
        mostraRegistro();
        host::TClientDataSet *list = m_call.ClientDataSet;
        stDescricao = stDescricao + u' ' + list->GetField(1)->AsString() + u';';
        lblDesc->SetCaption(stDescricao);
    } else {
        lblInformacao->SetCaption(QString());
        mostraMensagem(QStringLiteral("Cod_Inv"), true);
    }
}

void TfrmObservacaoMod::sbtPesquisaClick(QObject *)
{
    host::TClientDataSet *list = m_call.ClientDataSet;
    // The host must get its list back unfiltered on every path, an error's included.
    struct FilterOff
    {
        host::TClientDataSet *list;
        ~FilterOff()
        {
            if (list)
                list->SetFiltered(false);
        }
    } filterOff {list};

    if (list->IsEmpty()) {
        mostraMensagem(QStringLiteral("N_osb"), true);
        return;
    }
    if (host::Pesquisa && host::Pesquisa(list, 0, 0, inCor1, inCor2, inCor3, inCor5, 0) && !list->IsEmpty()) {
        platform::Application::processMessages();
        mostraRegistro();
        stDescricao = stDescricao + u' ' + list->FieldByName(QStringLiteral("DSOCORR"))->AsString() + u';';
        lblDesc->SetCaption(stDescricao);
    }
}

void TfrmObservacaoMod::sbtEditaDescClick(QObject *)
{
    if (!host::EditaTexto)
        return;
    stDescricao = host::EditaTexto(0, lblDesc->Caption(), inCor1, inCor2, inCor3);
    lblDesc->SetCaption(stDescricao);
}

void TfrmObservacaoMod::PreencheResultado()
{
    host::TClientDataSet *list = m_call.ClientDataSet;
    const int n = list->FieldCount();
    m_call.OleResult = platform::varArrayCreate(0, n);
    for (int i = 0; i < n; ++i) {
        if (!EmptyString(lblInformacao->Caption()))
            platform::varArrayPut(m_call.OleResult, i, list->FieldByName(list->GetField(i)->FieldName())->Value());
    }
    // A text even when empty, copied to the heap: the host keeps it after unloading the
    // module, and a caption may still point at a literal in the module's read-only data.
    const QString text = lblDesc->Caption();
    platform::varArrayPut(m_call.OleResult, n, QString(text.constData(), text.size()));
    m_call.resultadoGravado = true;
}

void TfrmObservacaoMod::spbConfirmarClick(QObject *)
{
    if (EmptyString(lblDesc->Caption()) && EmptyString(lblInformacao->Caption())) {
        mostraMensagem(QStringLiteral("Cod_Inf"), false);
        return;
    }
    if (EmptyString(lblInformacao->Caption())) {
        PreencheResultado();
        Close();
        return;
    }
    if (normalizaELocaliza()) {
        PreencheResultado();
        Close();
    } else {
        lblInformacao->SetCaption(QString());
        mostraMensagem(QStringLiteral("Cod_Inv"), true);
    }
}

void TfrmObservacaoMod::sbtSairClick(QObject *)
{
    storeLeftResult(m_call);
    Close();
}

} // namespace dialog
