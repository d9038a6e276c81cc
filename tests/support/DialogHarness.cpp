// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "DialogHarness.h"

#include "dialog/CallState.h"
#include "module/Entry.h"
#include "platform/Application.h"
#include "platform/TLabel.h"

#include <QDate>
#include <QFile>
#include <QTimer>

DialogHarness::DialogHarness()
    : m_savedPesquisa(host::Pesquisa)
    , m_savedEdita(host::EditaTexto)
{
    host::SetMensagemHandler([this](const host::MensagemArgs &a) { messages.append(a); });
    platform::Application::setExeNameOverride(m_dir.filePath(QStringLiteral("host")));
    host::Pesquisa = [this](host::TClientDataSet *list, int a1, int a2, int c1, int c2, int c3, int c5, int a7) {
        pesquisaCalls.append({list, {a1, a2, c1, c2, c3, c5, a7}});
        return pesquisaAction ? pesquisaAction(list) : false;
    };
    host::EditaTexto = [this](int a0, const QString &text, int c1, int c2, int c3) {
        editaCalls.append({{a0, c1, c2, c3}, text});
        return editaAction ? editaAction(text) : text;
    };
}

DialogHarness::~DialogHarness()
{
    host::SetMensagemHandler({});
    platform::Application::setExeNameOverride(QString());
    host::Pesquisa = m_savedPesquisa;
    host::EditaTexto = m_savedEdita;
}

QVariant DialogHarness::call(host::TClientDataSet *list, const QString &caption,
                             const std::function<void(dialog::TfrmObservacaoMod &)> &script)
{
    leftOpen = false;
    // Owned by this call: when the call fails before its window shows, the script dies
    // with it instead of running against the next call's window.
    QObject scope;
    QTimer::singleShot(0, &scope, [this, script] {
        dialog::TfrmObservacaoMod *frm = module::callState().frmObservacaoMod;
        if (!frm)
            return;
        windowTitle = frm->windowTitle();
        if (script)
            script(*frm);
        if (module::callState().frmObservacaoMod == frm && frm->isVisible()) {
            leftOpen = true;
            frm->done(0);
        }
    });
    return module::observacaoMod(list, caption);
}

void DialogHarness::writeParameterFile(const QByteArray &packet)
{
    QFile f(m_dir.filePath(QStringLiteral("PARAMETROSLUM.CDS")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(packet) != packet.size())
        qFatal("cannot write the parameter file");
}

void DialogHarness::removeParameterFile()
{
    QFile::remove(m_dir.filePath(QStringLiteral("PARAMETROSLUM.CDS")));
}

std::unique_ptr<host::TClientDataSet> makeObservationList()
{
    using host::FieldType;
    auto t = std::make_unique<host::TClientDataSet>();
    t->AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    t->AddFieldDef({QStringLiteral("DSOBS"), FieldType::String, 40});
    t->AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 60});
    t->AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
    t->AddFieldDef({QStringLiteral("VLACRESCIMO"), FieldType::Currency});
    t->AddFieldDef({QStringLiteral("DTCADASTRO"), FieldType::Date});
    t->AddFieldDef({QStringLiteral("FLATIVO"), FieldType::Boolean});
    t->CreateDataSet();
    const QVariant null = QVariant::fromValue(nullptr);
    t->AppendRecord({QStringLiteral("01"), QStringLiteral("Sem cebola"), QStringLiteral("Sem cebola no prato"), 1, 0.0,
                     QDate(2024, 3, 1), true});
    t->AppendRecord({QStringLiteral("02"), QStringLiteral("Bem passado"), QStringLiteral("Carne bem passada"), 2, 2.5,
                     QDate(2024, 3, 2), true});
    t->AppendRecord({QStringLiteral("0A"), QStringLiteral("Sem sal"), QStringLiteral("Sem sal"), 3, null,
                     QDate(2024, 3, 3), false});
    t->AppendRecord({QStringLiteral("AB"), QStringLiteral("Com açúcar"), QStringLiteral("Com açúcar à parte"), 4, 1.25,
                     null, true});
    t->AppendRecord({QStringLiteral("ÇX"), QStringLiteral("Caçarola"), QStringLiteral("Servir na caçarola"), 5, 0.0,
                     QDate(2024, 3, 5), true});
    t->First();
    return t;
}

QByteArray parameterPacket(const QString &scheme, int cor1, int cor2, int cor3, int cor5, const QStringList &omit)
{
    struct F
    {
        const char *name;
        const char *type;
        QString value;
    };
    const F fields[] = {
        {"IDESQUEMA", "string", scheme},         {"INCOR1", "i4", QString::number(cor1)},
        {"INCOR2", "i4", QString::number(cor2)}, {"INCOR3", "i4", QString::number(cor3)},
        {"INCOR4", "i4", QStringLiteral("0")},   {"INCOR5", "i4", QString::number(cor5)},
    };
    QByteArray meta, row;
    for (const F &f : fields) {
        if (omit.contains(QLatin1String(f.name)))
            continue;
        meta += QByteArray("<FIELD attrname=\"") + f.name + "\" fieldtype=\"" + f.type + "\""
            + (QByteArray(f.type) == "string" ? " WIDTH=\"10\"" : "") + "/>";
        row += QByteArray(" ") + f.name + "=\"" + f.value.toUtf8() + "\"";
    }
    return "<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" + meta
        + "</FIELDS><PARAMS/></METADATA><ROWDATA><ROW" + row + "/></ROWDATA></DATAPACKET>";
}

QStringList messageTexts(const QVector<host::MensagemArgs> &messages)
{
    QStringList out;
    for (const auto &m : messages)
        out << m.texto;
    return out;
}

QString code(const dialog::TfrmObservacaoMod &f)
{
    return f.lblInformacao->Caption();
}

QString desc(const dialog::TfrmObservacaoMod &f)
{
    return f.lblDesc->Caption();
}
