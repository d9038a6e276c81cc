// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/TTouchDialog.h"
#include "host/search/SearchLook.h"
#include "platform/Export.h"

namespace host {

class TAreaTexto;
class TTecladoTela;

// The default free-text editor: a full-window touch dialog with the text word-wrapped
// above an on-screen keyboard (letters, digits, the accented letters of Portuguese,
// punctuation, Shift, space, Backspace and btnLimpar, which empties the text).
// The cursor starts at the end; a tap, Left/Right/Up/Down and Home/End (of the line;
// with Ctrl, of the text) move it, and typing inserts there. Letters on the keys start
// in upper case; Shift toggles the case. Physical typing takes any printable character
// Windows-1252 can hold.
//
// btnConfirmar or Ctrl+Return accepts the text; Escape or btnSair rejects it. A plain
// Return inserts nothing: the text is a single paragraph.
class OBSHOST_EXPORT TfrmEditaTexto : public TTouchDialog
{
    Q_OBJECT

public:
    TfrmEditaTexto(const QString &text, const SearchLook &look, QWidget *parent = nullptr);

    QString text() const;
    // What is edited, shown above the text: "Observação" reads "Editar Observação".
    // Empty says "Editar texto".
    void setSubject(const QString &subject);
    TAreaTexto *editor() const { return m_editor; }
    TTecladoTela *keyboard() const { return m_keyboard; }

protected:
    bool handleKey(QKeyEvent *event) override;
    // Inserts at the cursor.
    void typeCharacter(QChar c) override;
    void paintContent(QPainter &p) override;

private:
    // Runs the command of a key other than a character's.
    void command(int id);

    TAreaTexto *m_editor;
    TTecladoTela *m_keyboard;
};

} // namespace host
