// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The dialog's commands and the result array they build.
#include "support/DialogTest.h"
#include "support/Input.h"

#include "host/controls/TBlendedBitBtn.h"
#include "host/services/TMessages.h"
#include "platform/TLabel.h"
#include "platform/Variants.h"

#include <QDate>
#include <gtest/gtest.h>

using dialog::TfrmObservacaoMod;
using platform::varIsEmpty;
using platform::varIsNull;

namespace {

QVariantList items(const QVariant &v)
{
    EXPECT_TRUE(platform::varIsArray(v));
    return v.toList();
}

class Commands : public DialogTest
{ };

TEST_F(Commands, TypicalCallReturnsRecordValuesAndComposedText)
{
    QString shownCode;
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        EXPECT_EQ(code(f), QStringLiteral("01"));
        f.sbtEnter->click();
        shownCode = code(f);
        f.spbConfirmar->click();
    });
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(shownCode, QStringLiteral("01 - Sem cebola"));
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8); // bounds 0..7 for 7 fields
    EXPECT_EQ(a[0], QVariant(QStringLiteral("01")));
    EXPECT_EQ(a[1], QVariant(QStringLiteral("Sem cebola")));
    EXPECT_EQ(a[3].metaType().id(), QMetaType::Int);
    EXPECT_EQ(a[3].toInt(), 1);
    EXPECT_EQ(a[5], QVariant(QDate(2024, 3, 1)));
    EXPECT_EQ(a[6], QVariant(true));
    EXPECT_EQ(a[7], QVariant(QStringLiteral(" Sem cebola;")));
    EXPECT_TRUE(h.messages.isEmpty());
}

TEST_F(Commands, EnterTwiceAppendsTwiceAndLookupIgnoresCase)
{
    QString afterFirst, afterSecond, shown;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        char a = 'a', b = 'b';
        f.FormKeyPress(&f, a);
        f.FormKeyPress(&f, b);
        EXPECT_EQ(code(f), QStringLiteral("ab")); // small letters stay small
        f.sbtEnter->click();
        afterFirst = desc(f);
        shown = code(f);
        f.sbtEnter->click();
        afterSecond = desc(f);
    });
    EXPECT_EQ(shown, QStringLiteral("AB - Com açúcar"));
    EXPECT_EQ(afterFirst, QStringLiteral(" Com açúcar;"));
    EXPECT_EQ(afterSecond, QStringLiteral(" Com açúcar; Com açúcar;"));
    EXPECT_TRUE(h.messages.isEmpty());
}

TEST_F(Commands, LookupNormalisesShortCodesAndAccentedLetters)
{
    QString shownA, shownC;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("A")); // "A" is stored as "0A"
        f.sbtEnter->click();
        shownA = code(f);
        f.sbtCorrigir->click();
        char c = char(231), x = 'x'; // "çx" finds "ÇX"
        f.FormKeyPress(&f, c);
        f.FormKeyPress(&f, x);
        f.sbtEnter->click();
        shownC = code(f);
    });
    EXPECT_EQ(shownA, QStringLiteral("0A - Sem sal"));
    EXPECT_EQ(shownC, QStringLiteral("ÇX - Caçarola"));
}

TEST_F(Commands, ConfirmLocatesAfreshFromTheCodeField)
{
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("02"));
        f.sbtEnter->click();
        list->SetRecNo(3); // the host's current record moved meanwhile
        f.spbConfirmar->click();
    });
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8);
    EXPECT_EQ(a[0], QVariant(QStringLiteral("02")));
    EXPECT_EQ(a[4].toDouble(), 2.5);
    EXPECT_EQ(a[7], QVariant(QStringLiteral(" Bem passado;")));
}

TEST_F(Commands, ConfirmWithoutEnterKeepsTheTextAsItWas)
{
    QString shownAfter;
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("1")); // normalised to "01"
        f.spbConfirmar->click();
        shownAfter = code(f);
    });
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8);
    EXPECT_EQ(a[0], QVariant(QStringLiteral("01")));
    EXPECT_EQ(a[7].metaType().id(), QMetaType::QString); // a text even when empty
    EXPECT_EQ(a[7].toString(), QString());
    EXPECT_EQ(shownAfter, QStringLiteral("01")); // the description is not shown on Confirm
}

TEST_F(Commands, ClearedCodeGivesEmptyFieldElementsAndTheText)
{
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        f.sbtEnter->click();
        f.sbtCorrigir->click();
        touch(f, QStringLiteral("02"));
        f.sbtEnter->click();
        quint16 del = platform::vk::Delete;
        f.FormKeyDown(&f, del, {});
        EXPECT_EQ(code(f), QString());
        f.spbConfirmar->click();
    });
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(varIsEmpty(a[i])) << "element " << i; // unassigned, not null
    EXPECT_EQ(a[7], QVariant(QStringLiteral(" Sem cebola; Bem passado;")));
}

TEST_F(Commands, NullFieldPassesThroughAsNull)
{
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("0A"));
        f.spbConfirmar->click();
    });
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8);
    EXPECT_TRUE(varIsNull(a[4]));
    EXPECT_FALSE(varIsEmpty(a[4]));
    EXPECT_EQ(a[6], QVariant(false));
}

TEST_F(Commands, UnknownCodeEmptiesTheFieldAndNamesTheCaption)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("005"), 1, 2, 3, 5));
    QString shown, text;
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        f.sbtEnter->click();
        f.sbtCorrigir->click();
        touch(f, QStringLiteral("99"));
        f.sbtEnter->click();
        shown = code(f);
        text = desc(f);
        touch(f, QStringLiteral("98"));
        f.spbConfirmar->click(); // unknown on Confirm too: stays open
    });
    EXPECT_TRUE(h.leftOpen);
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(text, QStringLiteral(" Sem cebola;"));
    ASSERT_EQ(h.messages.size(), 2);
    for (const auto &m : h.messages) {
        EXPECT_EQ(m.texto, QStringLiteral("Observação não cadastrado(a)."));
        EXPECT_EQ(m.idEsquema, QStringLiteral("005"));
        EXPECT_EQ(m.opcao1, QStringLiteral("N"));
        EXPECT_EQ(m.opcao2, QStringLiteral("N"));
        EXPECT_EQ(m.tipo, host::TTipoMsg(3));
        EXPECT_EQ(m.titulo, QString());
        EXPECT_EQ(m.dados, nullptr);
    }
    // Closed by the harness, not by a command: the operator left.
    EXPECT_EQ(items(r), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Commands, CaptionIsInsertedVerbatim)
{
    h.call(list.get(), QStringLiteral("Item %s 100%"), [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("77"));
        f.sbtEnter->click();
    });
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(h.messages[0].texto, QStringLiteral("Item %s 100% não cadastrado(a)."));
}

TEST_F(Commands, EmptyCodeOnEnterAndNothingOnConfirmAskForTheCode)
{
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        f.sbtEnter->click();
        f.sbtEspaco->click(); // a code of blanks counts as empty
        f.sbtEnter->click();
        f.sbtCorrigir->click();
        f.spbConfirmar->click();
    });
    EXPECT_TRUE(h.leftOpen);
    EXPECT_EQ(messageTexts(h.messages), QStringList(3, QStringLiteral("Código deve ser informado.")));
}

TEST_F(Commands, ExitAfterComposingReturnsOnlyErro)
{
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        f.sbtEnter->click();
        f.sbtSair->click();
    });
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(items(r), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Commands, EditReplacesTheTextAndEmptyTextThenConfirmAsksForTheCode)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("001"), 11, 22, 33, 55));
    h.editaAction = [](const QString &) { return QString(); };
    QString after;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        f.sbtEnter->click();
        f.sbtCorrigir->click();
        f.sbtEditaDesc->click();
        after = desc(f);
        f.spbConfirmar->click();
    });
    ASSERT_EQ(h.editaCalls.size(), 1);
    EXPECT_EQ(h.editaCalls[0].text, QStringLiteral(" Sem cebola;"));
    EXPECT_EQ(h.editaCalls[0].args, (QVector<int> {0, 11, 22, 33}));
    EXPECT_EQ(after, QString());
    EXPECT_TRUE(h.leftOpen);
    EXPECT_EQ(messageTexts(h.messages), QStringList {QStringLiteral("Código deve ser informado.")});
}

TEST_F(Commands, EditedTextIsWhatConfirmReturns)
{
    h.editaAction = [](const QString &t) { return t + QStringLiteral(" Urgente!  "); };
    const QVariant r = h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("02"));
        f.sbtEnter->click();
        f.sbtEditaDesc->click();
        f.spbConfirmar->click();
    });
    const QVariantList a = items(r);
    ASSERT_EQ(a.size(), 8);
    EXPECT_EQ(a[7], QVariant(QStringLiteral(" Bem passado; Urgente!  "))); // untrimmed
}

TEST_F(Commands, SearchAddsTheChosenRecordAndSwitchesFilteringOff)
{
    h.writeParameterFile(parameterPacket(QStringLiteral("001"), 11, 22, 33, 55));
    h.pesquisaAction = [](host::TClientDataSet *l) {
        l->OnFilterRecord = [](const host::TClientDataSet &, const QVariantList &rec) {
            return rec.at(0).toString().startsWith(u'A');
        };
        l->SetFiltered(true);
        l->First();
        return true;
    };
    QString shown, text;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        f.sbtPesquisa->click();
        shown = code(f);
        text = desc(f);
    });
    ASSERT_EQ(h.pesquisaCalls.size(), 1);
    EXPECT_EQ(h.pesquisaCalls[0].list, list.get());
    EXPECT_EQ(h.pesquisaCalls[0].args, (QVector<int> {0, 0, 11, 22, 33, 55, 0}));
    EXPECT_EQ(shown, QStringLiteral("AB - Com açúcar"));
    EXPECT_EQ(text, QStringLiteral(" Com açúcar à parte;")); // DSOCORR, not field 1
    EXPECT_FALSE(list->Filtered());
    EXPECT_EQ(list->RecordCount(), 5);
}

TEST_F(Commands, CancelledSearchChangesNothingButSwitchesFilteringOff)
{
    h.pesquisaAction = [](host::TClientDataSet *l) {
        l->OnFilterRecord = [](const host::TClientDataSet &, const QVariantList &) { return false; };
        l->SetFiltered(true);
        return false;
    };
    QString shown, text;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("1"));
        f.sbtPesquisa->click();
        shown = code(f);
        text = desc(f);
    });
    EXPECT_EQ(shown, QStringLiteral("1"));
    EXPECT_EQ(text, QString());
    EXPECT_FALSE(list->Filtered());
}

TEST_F(Commands, SearchOverAnEmptyListSaysSoWithoutOpeningTheSearch)
{
    h.pesquisaAction = [](host::TClientDataSet *) { return true; };
    list->OnFilterRecord = [](const host::TClientDataSet &, const QVariantList &) { return false; };
    list->SetFiltered(true); // the host hands it over filtered down to nothing
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) { f.sbtPesquisa->click(); });
    EXPECT_TRUE(h.pesquisaCalls.isEmpty());
    EXPECT_EQ(messageTexts(h.messages), QStringList {QStringLiteral("Não existe nenhum(a) Observação cadastrado(a).")});
    EXPECT_FALSE(list->Filtered());
}

TEST_F(Commands, SearchErrorReachesTheOperatorLeavesWindowUsableAndListUnfiltered)
{
    // A list without DSOCORR: the search fails after the search dialog returned.
    host::TClientDataSet bare;
    bare.AddFieldDef({QStringLiteral("COD"), host::FieldType::String, 2});
    bare.AddFieldDef({QStringLiteral("DESC"), host::FieldType::String, 20});
    bare.CreateDataSet();
    bare.AppendRecord({QStringLiteral("01"), QStringLiteral("Sem gelo")});
    h.pesquisaAction = [](host::TClientDataSet *l) {
        l->OnFilterRecord = [](const host::TClientDataSet &, const QVariantList &) { return true; };
        l->SetFiltered(true);
        return true;
    };
    QString shown;
    const QVariant r = h.call(&bare, caption, [&](TfrmObservacaoMod &f) {
        f.sbtPesquisa->click();
        shown = code(f);
        EXPECT_TRUE(f.isVisible());
        f.sbtSair->click();
    });
    EXPECT_FALSE(h.leftOpen);
    EXPECT_EQ(shown, QStringLiteral("01 - Sem gelo")); // changed before the error stays changed
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_TRUE(h.messages[0].texto.contains(QStringLiteral("DSOCORR")));
    EXPECT_FALSE(bare.Filtered());
    EXPECT_EQ(items(r), QVariantList {QStringLiteral("Erro")});
}

TEST_F(Commands, ListWithoutFieldsConfirmedOnTextGivesOneElement)
{
    host::TClientDataSet empty;
    empty.CreateDataSet();
    h.editaAction = [](const QString &) { return QStringLiteral("Só texto"); };
    const QVariant r = h.call(&empty, caption, [&](TfrmObservacaoMod &f) {
        f.sbtEditaDesc->click();
        f.spbConfirmar->click();
    });
    EXPECT_EQ(items(r), QVariantList {QStringLiteral("Só texto")});
}

TEST_F(Commands, CatalogueHoldsItsThreeLinesInOrder)
{
    QStringList lines;
    h.call(list.get(), caption, [&](TfrmObservacaoMod &f) {
        lines = f.msgPadrao->Messages;
        f.sbtSair->click();
    });
    EXPECT_EQ(lines,
              (QStringList {QStringLiteral("Cod_Inv|%s não cadastrado(a)."),
                            QStringLiteral("Cod_Inf|Código deve ser informado."),
                            QStringLiteral("N_osb|Não existe nenhum(a) %s cadastrado(a).")}));
}

} // namespace
