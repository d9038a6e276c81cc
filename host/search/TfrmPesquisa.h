// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/TTouchDialog.h"
#include "host/search/SearchLook.h"
#include "platform/Export.h"

#include <QVariantList>
#include <functional>

namespace host {

// The form in which the search compares texts: accents dropped and case folded, so
// "acucar" matches "Com açúcar".
OBSHOST_EXPORT QString foldForSearch(const QString &text);

class TBlendedButton;
class TClientDataSet;
class TListaPesquisa;
class TTecladoTela;

// The default search dialog: a full-window touch dialog over a list, showing each
// record's code (field 0) and DSOCORR. What the operator types narrows the rows to
// records whose code or DSOCORR contains it, ignoring case and accents; the narrowing
// is the list's own filter, so the rows are the list's visible records.
//
// Keys: typing and the on-screen keys add to the search text; Backspace removes its
// last character, Delete and btnLimpar empty it; Up/Down (PageUp/PageDown by a page)
// or a tap move the highlight; Return, btnConfirmar or a double tap choose the
// highlighted record; Escape or btnSair leave. With no rows, choosing does nothing.
//
// The rows are the records that both the host's own filter (the list's OnFilterRecord
// when the dialog was made, whether or not filtering was on) and the search text let
// through. While the dialog lives its filter stands in for the host's; when it goes,
// the host's handler is put back and the list refiltered by it, the chosen record
// staying current. The dialog never switches filtering off: that is the caller's.
class OBSHOST_EXPORT TfrmPesquisa : public TTouchDialog
{
    Q_OBJECT

public:
    static constexpr int MaxSearchLength = 50;

    // Throws platform::EDatabaseError when the list is closed, has no fields or has
    // no DSOCORR field.
    TfrmPesquisa(TClientDataSet *list, const SearchLook &look, QWidget *parent = nullptr);
    ~TfrmPesquisa() override;

    QString searchText() const { return m_search; }
    // Re-filters the list; the first row becomes highlighted.
    void setSearchText(const QString &text);
    TListaPesquisa *rows() const { return m_rows; }
    // What is searched, shown to the operator: "Observação" reads "Pesquisar
    // Observação". Empty says only "Pesquisar".
    void setSubject(const QString &subject);
    QString subject() const { return m_subject; }
    // The search field's label as painted, without its colon: "Pesquisar Observação".
    QString searchLabel() const;
    // Where the window paints the search field.
    QRect searchFieldRect() const;

    // Makes the highlighted record the list's current one and closes accepted;
    // false when there is no row.
    bool choose();

protected:
    bool handleKey(QKeyEvent *event) override;
    // Adds to the search text, up to MaxSearchLength.
    void typeCharacter(QChar c) override;
    void paintContent(QPainter &p) override;

private:
    // Runs the command of a key other than a character's.
    void command(int id);
    void removeLast();
    void applyFilter();
    void loadRows();

    TClientDataSet *m_list;
    int m_descriptionField;
    std::function<bool(const TClientDataSet &, const QVariantList &)> m_hostFilter;
    QString m_search;
    TListaPesquisa *m_rows;
    TTecladoTela *m_keyboard;
    QList<TBlendedButton *> m_needRows; // keys that act on a row: disabled without one
    QString m_subject;
};

} // namespace host
