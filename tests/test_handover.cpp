// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// What the module hands to the host owns its characters: the host may keep results and
// message texts after unloading the module, whose literals die with it. The full
// load-call-unload round trip is tests/consumer; these catch a literal slipping through
// without an install.
#include "support/DialogHarness.h"

#include "host/services/Mensagem.h"
#include "module/ObservacaoMod.h"
#include "platform/TLabel.h"

#include <gtest/gtest.h>
#include <vector>

// A host's own functions of the entry points' names live beside the public header.
void Initialize() { }
int Finalize(int x)
{
    return x;
}

using dialog::TfrmObservacaoMod;

namespace {

// True when the text's characters live in allocated memory rather than in some
// library's read-only data (a literal, or raw data).
bool ownsItsCharacters(const QString &text)
{
    return text.isEmpty() || const_cast<QString &>(text).data_ptr().d_ptr() != nullptr;
}

TEST(Handover, MessageHandlerGetsTextsThatOwnTheirCharacters)
{
    std::vector<host::MensagemArgs> kept;
    host::SetMensagemHandler([&kept](const host::MensagemArgs &a) { kept.push_back(a); });
    host::Mensagem(QStringLiteral("Código deve ser informado."), QStringLiteral("t"), QStringLiteral("N"),
                   QStringLiteral("N"), host::tmInformacao, QStringLiteral("c"), QStringLiteral("002"), 0, nullptr);
    host::SetMensagemHandler({});
    ASSERT_EQ(kept.size(), 1u);
    const host::MensagemArgs &m = kept.front();
    for (const QString *s : {&m.texto, &m.titulo, &m.opcao1, &m.opcao2, &m.complemento, &m.idEsquema})
        EXPECT_TRUE(ownsItsCharacters(*s)) << qPrintable(*s);
    EXPECT_EQ(m.texto, QStringLiteral("Código deve ser informado."));
    EXPECT_EQ(m.opcao1, QStringLiteral("N"));
    EXPECT_EQ(m.idEsquema, QStringLiteral("002"));
}

TEST(Handover, ResultTextsOwnTheirCharacters)
{
    DialogHarness h;
    auto list = makeObservationList();
    const QVariant left
        = h.call(list.get(), QStringLiteral("Observação"), [](TfrmObservacaoMod &f) { f.sbtSair->click(); });
    const QVariantList l = left.toList();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].toString(), QStringLiteral("Erro"));
    EXPECT_TRUE(ownsItsCharacters(*static_cast<const QString *>(l[0].constData())));

    // A description text set from a literal, confirmed without a code.
    const QVariant chosen = h.call(list.get(), QStringLiteral("Observação"), [](TfrmObservacaoMod &f) {
        f.lblDesc->SetCaption(QStringLiteral("Sem sal"));
        f.spbConfirmar->click();
    });
    const QVariantList c = chosen.toList();
    ASSERT_FALSE(c.isEmpty());
    EXPECT_EQ(c.last().toString(), QStringLiteral("Sem sal"));
    EXPECT_TRUE(ownsItsCharacters(*static_cast<const QString *>(c.last().constData())));
}

TEST(Handover, EntryPointTypesAndNames)
{
    EXPECT_STREQ(observacao::kObservacaoMod, "ObservacaoMod");
    EXPECT_STREQ(observacao::kInitialize, "Initialize");
    EXPECT_STREQ(observacao::kFinalize, "Finalize");
    EXPECT_STREQ(observacao::kGetPackageInfoTable, "GetPackageInfoTable");
    static_assert(std::is_same_v<observacao::InitializeFn, void (*)() noexcept>);
    static_assert(std::is_same_v<observacao::InitializeFn, observacao::InitializeFn>); // the earlier name
}

} // namespace
