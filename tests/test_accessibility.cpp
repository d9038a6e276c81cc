// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// What assistive technology reads of the hand-painted controls, and the events it is told
// of when they change: labels, the editor's text area, the search's rows.

#include "support/Accessibility.h"

#include "host/search/TAreaTexto.h"
#include "host/search/TListaPesquisa.h"
#include "platform/TLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace host;

TEST(AccessibleLabel, ReadsItsCaptionAndTellsOfEachChange)
{
    platform::TLabel label;
    QAccessibleInterface *iface = ifaceOf(&label);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    ASSERT_TRUE(iface->textInterface());

    Events events;
    label.SetCaption(QStringLiteral("01 - Sem cebola"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("01 - Sem cebola"));
    EXPECT_EQ(allText(iface), QStringLiteral("01 - Sem cebola"));
    EXPECT_EQ(iface->textInterface()->text(5, -1), QStringLiteral("Sem cebola"));
    label.SetCaption(QStringLiteral("01"));
    const QList<Seen> changes = events.of(QAccessible::TextUpdated);
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0].iface, iface);
    EXPECT_EQ(changes[0].inserted, QStringLiteral("01 - Sem cebola"));
    // Only the part that changed.
    EXPECT_EQ(changes[1].position, 2);
    EXPECT_EQ(changes[1].removed, QStringLiteral(" - Sem cebola"));
    EXPECT_EQ(changes[1].inserted, QString());
    EXPECT_EQ(events.of(QAccessible::NameChanged).size(), 2);

    // The same caption again is no change; a name of its own stays the name.
    events.clear();
    label.SetCaption(QStringLiteral("01"));
    EXPECT_TRUE(events.of(QAccessible::TextUpdated).isEmpty());
    label.setAccessibleName(QStringLiteral("Código"));
    events.clear();
    label.SetCaption(QStringLiteral("02"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Código"));
    EXPECT_EQ(allText(iface), QStringLiteral("02"));
    EXPECT_EQ(events.of(QAccessible::TextUpdated).size(), 1);
    EXPECT_TRUE(events.of(QAccessible::NameChanged).isEmpty());
}

TEST(AccessibleTextArea, ReadsAndEditsTheTextWithItsCaret)
{
    TAreaTexto area;
    area.resize(706, 140);
    area.setText(QStringLiteral("Sem sal"));
    QAccessibleInterface *iface = ifaceOf(&area);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().editable);
    EXPECT_TRUE(iface->state().multiLine);
    QAccessibleTextInterface *text = iface->textInterface();
    QAccessibleEditableTextInterface *edit = iface->editableTextInterface();
    ASSERT_TRUE(text && edit);
    EXPECT_EQ(allText(iface), QStringLiteral("Sem sal"));
    EXPECT_EQ(text->cursorPosition(), 7);

    Events events;
    text->setCursorPosition(3);
    EXPECT_EQ(area.cursorPosition(), 3);
    edit->insertText(3, QStringLiteral(" mais"));
    EXPECT_EQ(area.text(), QStringLiteral("Sem mais sal"));
    EXPECT_EQ(text->cursorPosition(), 8);
    const QList<Seen> inserted = events.of(QAccessible::TextInserted);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0].position, 3);
    EXPECT_EQ(inserted[0].inserted, QStringLiteral(" mais"));

    // Deleting before the caret moves it back with the text.
    events.clear();
    edit->deleteText(0, 4);
    EXPECT_EQ(area.text(), QStringLiteral("mais sal"));
    EXPECT_EQ(area.cursorPosition(), 4);
    const QList<Seen> removed = events.of(QAccessible::TextRemoved);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0].position, 0);
    EXPECT_EQ(removed[0].removed, QStringLiteral("Sem "));
    ASSERT_FALSE(events.of(QAccessible::TextCaretMoved).isEmpty());
    EXPECT_EQ(events.of(QAccessible::TextCaretMoved).last().position, 4);

    edit->replaceText(0, 4, QStringLiteral("pouco"));
    EXPECT_EQ(area.text(), QStringLiteral("pouco sal"));
    // Only what the keys could type goes in: no control characters, nothing Windows-1252 lacks.
    edit->insertText(-1, QStringLiteral("\t中!"));
    EXPECT_EQ(area.text(), QStringLiteral("!pouco sal"));

    // The operator's keys are told of as well.
    events.clear();
    area.setCursorPosition(int(area.text().size()));
    area.insert(QStringLiteral("€"));
    area.backspace();
    area.setText(QStringLiteral("novo"));
    ASSERT_EQ(events.of(QAccessible::TextInserted).size(), 1);
    ASSERT_EQ(events.of(QAccessible::TextRemoved).size(), 1);
    EXPECT_EQ(events.of(QAccessible::TextRemoved)[0].removed, QStringLiteral("€"));
    ASSERT_EQ(events.of(QAccessible::TextUpdated).size(), 1);
    EXPECT_EQ(events.of(QAccessible::TextUpdated)[0].removed, QStringLiteral("!pouco sal"));
    EXPECT_EQ(events.of(QAccessible::TextUpdated)[0].inserted, QStringLiteral("novo"));
    EXPECT_EQ(allText(iface), QStringLiteral("novo"));
}

TEST(AccessibleTextArea, CharactersHaveTheirPlacesAndAPointFindsItsCharacter)
{
    TAreaTexto area;
    area.resize(706, 140);
    area.setText(QStringLiteral("abc"));
    area.show();
    QAccessibleTextInterface *text = ifaceOf(&area)->textInterface();
    const QRect b = text->characterRect(1);
    ASSERT_FALSE(b.isEmpty());
    EXPECT_LT(text->characterRect(0).right(), b.right());
    EXPECT_EQ(text->offsetAtPoint(b.center()), 1);
    EXPECT_TRUE(text->characterRect(3).isNull());
}

TEST(AccessibleTextArea, OneSelectionThatTheNextKeyReplacesAndThatIsShown)
{
    TAreaTexto area;
    area.resize(706, 140);
    area.setText(QStringLiteral("Sem cebola"));
    const QImage unselected = area.grab().toImage();
    QAccessibleTextInterface *text = ifaceOf(&area)->textInterface();
    EXPECT_EQ(text->selectionCount(), 0);

    Events events;
    text->setSelection(0, 4, 10);
    ASSERT_EQ(text->selectionCount(), 1);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(text->cursorPosition(), 10);
    ASSERT_EQ(events.of(QAccessible::TextSelectionChanged).size(), 1);
    EXPECT_NE(area.grab().toImage(), unselected); // the operator sees it too

    // A key typed replaces it; Backspace removes it whole.
    area.insert(QStringLiteral("sal"));
    EXPECT_EQ(area.text(), QStringLiteral("Sem sal"));
    EXPECT_EQ(text->selectionCount(), 0);
    text->addSelection(0, 4);
    area.backspace();
    EXPECT_EQ(area.text(), QStringLiteral("sal"));
    EXPECT_EQ(area.cursorPosition(), 0);

    // Moving the caret, or removing the selection, leaves the text as it was.
    text->setSelection(0, 1, 3);
    area.moveCursor(TAreaTexto::Move::Left);
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_EQ(area.cursorPosition(), 2);
    text->setSelection(0, 0, 3);
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_EQ(area.text(), QStringLiteral("sal"));
    area.setText(QStringLiteral("Sem cebola"));
    EXPECT_EQ(area.grab().toImage(), unselected);
}

TEST(AccessibleSearchList, RowsAreItemsAndTheHighlightedOneIsSelected)
{
    TListaPesquisa list;
    list.resize(640, 2 * TListaPesquisa::FrameWidth + 3 * TListaPesquisa::RowHeight);
    list.setEmptyText(QStringLiteral("Nenhum registro encontrado."));
    Events events;
    list.setRows({{QStringLiteral("01"), QStringLiteral("Sem cebola")},
                  {QStringLiteral("02"), QStringLiteral("Bem passado")},
                  {QStringLiteral("0A"), QStringLiteral("Sem sal")},
                  {QStringLiteral("AB"), QStringLiteral("Com açúcar")}});
    QAccessibleInterface *iface = ifaceOf(&list);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::List);
    ASSERT_EQ(iface->childCount(), 4);
    QAccessibleInterface *first = iface->child(0);
    QAccessibleInterface *third = iface->child(2);
    ASSERT_TRUE(first && third);
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("01 - Sem cebola"));
    EXPECT_EQ(allText(third), QStringLiteral("0A - Sem sal"));
    EXPECT_EQ(first->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(third), 2);
    EXPECT_EQ(iface->child(2), third); // one interface per row
    EXPECT_TRUE(first->state().selected);
    EXPECT_FALSE(third->state().selected);
    EXPECT_EQ(iface->focusChild(), first);
    // The fourth row is there but scrolled out of view.
    EXPECT_TRUE(iface->child(3)->state().offscreen);
    EXPECT_FALSE(first->state().offscreen);
    EXPECT_FALSE(events.of(QAccessible::ObjectReorder).isEmpty());

    // A highlight that moves tells which row left the selection and which joined it.
    events.clear();
    list.setHighlighted(2);
    ASSERT_EQ(events.of(QAccessible::SelectionRemove).size(), 1);
    EXPECT_EQ(events.of(QAccessible::SelectionRemove)[0].iface, first);
    ASSERT_EQ(events.of(QAccessible::Selection).size(), 1);
    EXPECT_EQ(events.of(QAccessible::Selection)[0].iface, third);
    EXPECT_TRUE(third->state().selected);
    EXPECT_FALSE(first->state().selected);

    // Actions: SetFocus highlights the row, Press chooses it.
    QAccessibleActionInterface *action = iface->child(1)->actionInterface();
    ASSERT_TRUE(action);
    action->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(list.highlighted(), 1);
    QSignalSpy activated(&list, &TListaPesquisa::activated);
    iface->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(list.highlighted(), 3);
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 3);
    EXPECT_FALSE(iface->child(3)->state().offscreen); // scrolled into view

    // Fewer rows: the ones past the end are gone; none: the list says what it shows.
    list.setRows({{QStringLiteral("02"), QStringLiteral("Bem passado")}});
    EXPECT_EQ(iface->childCount(), 1);
    EXPECT_FALSE(third->isValid());
    EXPECT_EQ(iface->indexOfChild(third), -1);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("02 - Bem passado"));
    list.setRows({});
    EXPECT_EQ(iface->childCount(), 0);
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("Nenhum registro encontrado."));
    EXPECT_EQ(iface->child(0), nullptr);
}
