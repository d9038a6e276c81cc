// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/TForm.h"

#include <QHash>
#include <memory>

class QAbstractButton;

namespace platform {
class TLabel;
}

namespace host {
class TClientDataSet;
class TMessages;
class TBlendedButton;
class TBlendedBitBtn;
class TTecladoTela;
} // namespace host

namespace dialog {

struct CallState;

// The observation dialog: code field, description field and on-screen keyboard.
// Its behaviour lies in its event handlers and InicializaForm.
class TfrmObservacaoMod : public platform::TForm
{
    Q_OBJECT
    // Errors raised inside the commands are shown with the dialog's scheme (Mensagem.h).
    Q_PROPERTY(QString idEsquema READ idEsquema)

public:
    // Builds every control of the window description, then fires OnCreate. The commands
    // write the call's state into call, which must outlive the window.
    explicit TfrmObservacaoMod(CallState &call, QWidget *owner = nullptr);
    ~TfrmObservacaoMod() override;

    // Stores the call's list and caption in the call's state and reads the display
    // parameter file.
    void InicializaForm(host::TClientDataSet *list, const QString &caption);

    // Window events.
    void FormCreate(QObject *Sender);
    void FormActivate(QObject *Sender);
    void FormClose(QObject *Sender);
    void FormKeyDown(QObject *Sender, quint16 &Key, platform::ShiftState Shift);
    void FormKeyPress(QObject *Sender, char &Key);

    // Code entry.
    void sbt1Click(QObject *Sender);
    void sbtCCdilClick(QObject *Sender);
    void sbtEspacoClick(QObject *Sender);
    void spdBackSpaceClick(QObject *Sender);
    void sbtCorrigirClick(QObject *Sender);

    // Commands.
    void sbtEnterClick(QObject *Sender);
    void sbtPesquisaClick(QObject *Sender);
    void sbtEditaDescClick(QObject *Sender);
    void spbConfirmarClick(QObject *Sender);
    void sbtSairClick(QObject *Sender);

    // Controls by their names in the window description.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    // The panel that holds every key.
    host::TTecladoTela *keyboard() const { return m_keyboard; }

    platform::TLabel *lblInformacao = nullptr; // the code field
    platform::TLabel *lblDesc = nullptr; // the description field
    host::TMessages *msgPadrao = nullptr;
    std::unique_ptr<host::TClientDataSet> cdsParametrosLum;

    host::TBlendedButton *spdBackSpace = nullptr;
    host::TBlendedButton *sbtCCdil = nullptr;
    host::TBlendedBitBtn *sbtCorrigir = nullptr;
    host::TBlendedBitBtn *sbtPesquisa = nullptr;
    host::TBlendedBitBtn *sbtSair = nullptr;
    host::TBlendedButton *sbtEspaco = nullptr;
    host::TBlendedBitBtn *sbtEnter = nullptr;
    host::TBlendedBitBtn *spbConfirmar = nullptr;
    host::TBlendedBitBtn *sbtEditaDesc = nullptr;

    // Display parameters, as read by InicializaForm.
    int corParametro1() const { return inCor1; }
    int corParametro2() const { return inCor2; }
    int corParametro3() const { return inCor3; }
    int corParametro5() const { return inCor5; }
    QString idEsquema() const { return stIdEsquema; }

private:
    void buildControls();
    // Runs the command of the key the operator pressed.
    void keyClicked(int command, QAbstractButton *key);
    // Normalises the code field and locates it in the list.
    bool normalizaELocaliza();
    // Shows the current record in the code field.
    void mostraRegistro();
    void mostraMensagem(const QString &key, bool withCaption);
    void PreencheResultado();

    CallState &m_call;
    QHash<QString, QWidget *> m_controls;
    host::TTecladoTela *m_keyboard = nullptr;

    int inCor1 = 0;
    int inCor2 = 0;
    int inCor3 = 0;
    int inCor5 = 0;
    QString stIdEsquema;
    QString stDescricao;
};

} // namespace dialog
