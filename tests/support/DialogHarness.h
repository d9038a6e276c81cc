// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "dialog/TfrmObservacaoMod.h"
#include "host/controls/TBlendedBitBtn.h"
#include "host/data/TClientDataSet.h"
#include "host/search/Search.h"
#include "host/services/Mensagem.h"

#include <QTemporaryDir>
#include <QVector>
#include <functional>
#include <memory>

// Runs calls of the entry with captured messages, a private program directory for the
// display parameter file, and the search package's dialogs replaced by recording fakes.
class DialogHarness
{
public:
    struct PesquisaCall
    {
        host::TClientDataSet *list;
        QVector<int> args; // the seven integers, in order
    };
    struct EditaCall
    {
        QVector<int> args; // 0, cor1, cor2, cor3
        QString text;
    };

    DialogHarness();
    ~DialogHarness();

    // Calls the entry; script runs once the window is up. A window the script leaves
    // open is closed afterwards (leftOpen tells).
    QVariant call(host::TClientDataSet *list, const QString &caption,
                  const std::function<void(dialog::TfrmObservacaoMod &)> &script);

    // Writes PARAMETROSLUM.CDS beside the (pretended) host program.
    void writeParameterFile(const QByteArray &packet);
    void removeParameterFile();
    QString programDir() const { return m_dir.path(); }

    QVector<host::MensagemArgs> messages;
    QVector<PesquisaCall> pesquisaCalls;
    QVector<EditaCall> editaCalls;
    // What the fakes do: choose a record (return true after moving to it) or cancel.
    std::function<bool(host::TClientDataSet *)> pesquisaAction;
    std::function<QString(const QString &)> editaAction;
    bool leftOpen = false;
    QString windowTitle;

private:
    QTemporaryDir m_dir;
    host::PesquisaProc m_savedPesquisa;
    host::EditaTextoProc m_savedEdita;
};

// The observation window's code and description fields, as the operator sees them.
QString code(const dialog::TfrmObservacaoMod &f);
QString desc(const dialog::TfrmObservacaoMod &f);

// A realistic observation list: code, description, DSOCORR, then an integer, money,
// a date and a boolean; some nulls.
std::unique_ptr<host::TClientDataSet> makeObservationList();

// A display parameter packet with the given scheme and colours; fields listed in omit
// are left out.
QByteArray parameterPacket(const QString &scheme, int cor1, int cor2, int cor3, int cor5, const QStringList &omit = {});

// Texts of the captured messages.
QStringList messageTexts(const QVector<host::MensagemArgs> &messages);
