// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// What assistive technology reads of the windows: the search's typed text and rows, the
// editor, the message box's kind, the observation window's fields during a call.

#include "support/Accessibility.h"
#include "support/DialogTest.h"
#include "support/Input.h"

#include "host/search/SearchLook.h"
#include "host/search/TListaPesquisa.h"
#include "host/search/TfrmEditaTexto.h"
#include "host/search/TfrmPesquisa.h"
#include "host/services/Translations.h"
#include "platform/TLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace host;

class AccessibleSearch : public ::testing::Test
{
protected:
    std::unique_ptr<TClientDataSet> list = makeObservationList();
};

TEST_F(AccessibleSearch, TheTypedTextIsAFieldThatNarrowsTheRowsWhenEdited)
{
    TfrmPesquisa dialog(list.get(), SearchLook::fromRefs(0, 0, 0, 0));
    dialog.setSubject(QStringLiteral("Observação"));
    QAccessibleInterface *iface = ifaceOf(&dialog);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::Dialog);
    QAccessibleInterface *field = iface->child(0);
    ASSERT_TRUE(field);
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_EQ(field->text(QAccessible::Name), QStringLiteral("Pesquisar Observação"));
    EXPECT_EQ(field->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(field), 0);

    QAccessibleInterface *rows = findChild(iface, QAccessible::List, QStringLiteral("Resultados da pesquisa"));
    ASSERT_TRUE(rows);
    EXPECT_EQ(iface->indexOfChild(rows), iface->indexOfChild(rows)); // found by its index too
    EXPECT_EQ(iface->child(iface->indexOfChild(rows)), rows);
    EXPECT_EQ(rows->childCount(), 5);
    EXPECT_TRUE(findChild(iface, QAccessible::Button, QStringLiteral("Confirmar")));
    EXPECT_TRUE(findChild(iface, QAccessible::Button, QStringLiteral("S")));

    Events events;
    type(dialog, QStringLiteral("SEM"));
    EXPECT_EQ(allText(field), QStringLiteral("SEM"));
    const QList<Seen> typed = events.of(QAccessible::TextUpdated);
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[2].iface, field);
    EXPECT_EQ(typed[2].removed, QStringLiteral("SE"));
    EXPECT_EQ(typed[2].inserted, QStringLiteral("SEM"));
    EXPECT_EQ(rows->childCount(), 2); // "Sem cebola no prato" and "Sem sal"
    EXPECT_EQ(rows->child(1)->text(QAccessible::Name), QStringLiteral("0A - Sem sal"));

    // Edited through the interface, as typed, within the field's limit.
    field->editableTextInterface()->replaceText(0, -1, QStringLiteral("açúcar"));
    EXPECT_EQ(dialog.searchText(), QStringLiteral("açúcar"));
    EXPECT_EQ(rows->childCount(), 1);
    field->editableTextInterface()->deleteText(0, 6);
    EXPECT_EQ(rows->childCount(), 5);
    field->editableTextInterface()->insertText(0, QString(80, u'x'));
    EXPECT_EQ(dialog.searchText().size(), TfrmPesquisa::MaxSearchLength);
    EXPECT_EQ(rows->childCount(), 0);
}

TEST_F(AccessibleSearch, ChoosingARowByItsActionTakesThatRecord)
{
    TfrmPesquisa dialog(list.get(), SearchLook::fromRefs(0, 0, 0, 0));
    QAccessibleInterface *rows = ifaceOf(dialog.rows());
    ASSERT_EQ(rows->childCount(), 5);
    rows->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(list->RecNo(), 2);
}

TEST(AccessibleEditor, TheWindowIsNamedByItsTitleAndHoldsTheText)
{
    TfrmEditaTexto editor(QStringLiteral(" Sem cebola;"), SearchLook::fromRefs(0, 0, 0, 0));
    editor.setSubject(QStringLiteral("Observação"));
    QAccessibleInterface *iface = ifaceOf(&editor);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Editar Observação"));
    QAccessibleInterface *area = findChild(iface, QAccessible::EditableText, QStringLiteral("Texto"));
    ASSERT_TRUE(area);
    EXPECT_EQ(allText(area), QStringLiteral(" Sem cebola;"));
    tap(&editor, QStringLiteral("btnLimpar"));
    EXPECT_EQ(allText(area), QString());
    area->editableTextInterface()->insertText(0, QStringLiteral("Sem sal"));
    EXPECT_EQ(editor.text(), QStringLiteral("Sem sal"));
}

namespace {
// What the message box shows to assistive technology: its description, and its label's text.
QPair<QString, QString> shownMessage(TTipoMsg kind)
{
    QPair<QString, QString> read;
    QTimer::singleShot(0, [&read] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        QAccessibleInterface *iface = ifaceOf(box);
        read.first = iface->text(QAccessible::Description);
        if (QAccessibleInterface *label = findChild(iface, QAccessible::StaticText, QStringLiteral("Texto ")))
            read.second = allText(label);
        tap(box, QStringLiteral("btnOk"));
    });
    MensagemPadrao({QStringLiteral("Texto "), {}, {}, {}, kind, {}, {}, 0, nullptr});
    return read;
}
} // namespace

TEST(AccessibleMessage, TheKindIsTheDescriptionInTheWindowsLanguage)
{
    EXPECT_EQ(shownMessage(tmErro), qMakePair(QStringLiteral("Erro"), QStringLiteral("Texto ")));
    EXPECT_EQ(shownMessage(tmAviso).first, QStringLiteral("Aviso"));
    EXPECT_EQ(shownMessage(tmPergunta).first, QStringLiteral("Pergunta"));
    EXPECT_EQ(shownMessage(tmInformacao).first, QStringLiteral("Informação"));
    ASSERT_TRUE(InstallTranslations(QStringLiteral("en")));
    EXPECT_EQ(shownMessage(tmAviso).first, QStringLiteral("Warning"));
    ASSERT_TRUE(InstallTranslations(QStringLiteral("es")));
    EXPECT_EQ(shownMessage(tmErro).first, QStringLiteral("Error"));
    EXPECT_TRUE(InstallTranslations(QStringLiteral("pt")));
}

class AccessibleObservation : public DialogTest
{ };

TEST_F(AccessibleObservation, TheFieldsReadWhatTheOperatorSees)
{
    run([&](dialog::TfrmObservacaoMod &f) {
        QAccessibleInterface *window = ifaceOf(&f);
        QAccessibleInterface *field = ifaceOf(f.lblInformacao);
        QAccessibleInterface *description = ifaceOf(f.lblDesc);
        ASSERT_TRUE(field && description);
        EXPECT_GE(window->indexOfChild(field), 0);
        EXPECT_EQ(field->role(), QAccessible::StaticText);
        EXPECT_EQ(field->text(QAccessible::Description), QStringLiteral("Código"));
        EXPECT_EQ(description->text(QAccessible::Description), QStringLiteral("Descrição"));
        EXPECT_TRUE(findChild(window, QAccessible::StaticText, QStringLiteral("Código:")));
        Events events;
        touch(f, QStringLiteral("01"));
        EXPECT_EQ(allText(field), QStringLiteral("01"));
        f.sbtEnter->click();
        EXPECT_EQ(field->text(QAccessible::Name), QStringLiteral("01 - Sem cebola"));
        EXPECT_EQ(allText(field), code(f));
        EXPECT_EQ(allText(description), desc(f));
        EXPECT_EQ(description->text(QAccessible::Name), desc(f));
        EXPECT_FALSE(desc(f).isEmpty());
        bool toldOfDescription = false;
        for (const Seen &s : events.of(QAccessible::TextUpdated))
            toldOfDescription |= s.iface == description && s.inserted == desc(f);
        EXPECT_TRUE(toldOfDescription);
        f.sbtSair->click();
    });
}
