#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
"""The installed demo host, read and operated through AT-SPI alone (pyatspi), in each
language: walks every window's tree checking roles and names, operates a typical
session, a search, an edit and a message by accessible actions and text interfaces,
and reads back what the operator sees. Run inside a private D-Bus session on an X
server (run-atspi.sh). Each case is bounded; any failure fails the run."""

import signal
import sys

from atspi_client import (Failure, Host, Tr, act, buttons, check, children, descendants, equal, fold, press,
                          pyatspi, role, states, stop_bus, text_of, wait_for)

TREE, SOURCE = sys.argv[1], sys.argv[2]
LANGS = sys.argv[3:] or ["pt", "en", "es"]
HOST = f"{TREE}/bin/observacao-host"
CAPTION = "Observação"  # the host's default caption, shown verbatim in every language
CASE_SECONDS = 60


# ---- the windows' trees -------------------------------------------------------------

CHARACTER_KEYS = list("1234567890QWERTYUIOPASDFGHJKLÇZXCVBNM")


def check_observation_window(w, tr):
    equal(role(w), "dialog", "observation window's role")
    # The keys lie on one panel, a decoration like the frames.
    keys = [c for c in descendants(w) if role(c) == "push button"]
    commands = ["Backspace", "      Apagar", "    Pesquisar          Observação", "Sair", "Espaço", "Enter",
                "Confirmar", "Editar"]
    equal(sorted(k.name for k in keys), sorted(CHARACTER_KEYS + [tr.key(c) for c in commands]),
          "the observation window's keys")
    for k in keys:
        check("press" in [k.queryAction().getName(i).lower() for i in range(k.queryAction().nActions)],
              f"key {k.name!r} has no press action")
    labels = [c for c in children(w) if role(c) == "label"]
    equal(len(labels), 3, "labels of the observation window")
    equal(labels[0].name, tr("dialog::TfrmObservacaoMod", "Código:"), "the code's label")
    equal(text_of(labels[0]), labels[0].name, "the code label's text")
    field = next(l for l in labels if l.description == tr("dialog::TfrmObservacaoMod", "Código"))
    description = next(l for l in labels if l.description == tr("dialog::TfrmObservacaoMod", "Descrição"))
    # Everything else is the window's drawing (frames and panels): nothing to read or press.
    for c in children(w):
        if c not in keys and c not in labels:
            equal(role(c), "filler", "a decoration's role")
            equal(c.name, "", "a decoration's name")
    panels = [c for c in children(w) if any(k in keys for k in children(c))]
    equal(len(panels), 1, "the keys' panel")
    equal(sorted(k.name for k in children(panels[0])), sorted(k.name for k in keys), "the keys on the panel")
    return field, description


def check_search_window(w, tr):
    equal(role(w), "dialog", "search window's role")
    field = children(w)[0]
    equal(role(field), "text", "the search field's role")
    equal(field.name, tr("host::TfrmPesquisa", "Pesquisar %1").replace("%1", CAPTION), "the search field's name")
    check(states(field).contains(pyatspi.STATE_EDITABLE), "the search field is editable")
    lists = [c for c in descendants(w) if role(c) == "list"]
    equal(len(lists), 1, "lists in the search window")
    rows = lists[0]
    equal(rows.name, tr("host::TfrmPesquisa", "Resultados da pesquisa"), "the list's name")
    for item in children(rows):
        equal(role(item), "list item", "a row's role")
        equal(item.name, text_of(item), "a row's name and text")
    commands = ["Backspace", "Limpar", "Espaço", "Sair", "Confirmar", "Acima", "Abaixo"]
    expected = list("1234567890QWERTYUIOPASDFGHJKLÇZXCVBNM") + [tr("host::TfrmPesquisa", c) for c in commands]
    equal(sorted(buttons(w)), sorted(expected), "the search window's keys")
    return field, rows


def check_editor_window(w, tr):
    equal(role(w), "dialog", "editor's role")
    areas = [c for c in descendants(w) if role(c) == "text"]
    equal(len(areas), 1, "text areas in the editor")
    area = areas[0]
    equal(area.name, tr("host::TfrmEditaTexto", "Texto"), "the text area's name")
    s = states(area)
    check(s.contains(pyatspi.STATE_EDITABLE) and s.contains(pyatspi.STATE_MULTI_LINE), "the text area's states")
    check(area.queryEditableText() is not None, "the text area's editable interface")
    characters = list("1234567890QWERTYUIOPÁÉASDFGHJKLÇÍÓZXCVBNMÚÂÊÔÃÕÀÜ.,;:-!?/()")
    commands = ["Backspace", "Shift", "Sair", "Espaço", "Limpar", "Confirmar"]
    names = sorted(n.upper() if len(n) == 1 else n for n in buttons(w))
    equal(names, sorted(characters + [tr("host::TfrmEditaTexto", c) for c in commands]), "the editor's keys")
    return area


def check_message_box(w, tr, kind):
    equal(role(w), "dialog", "message box's role")
    equal(w.name, tr("host::Mensagem", "Mensagem"), "message box's name")
    equal(w.description, tr("host::Mensagem", kind), "message box's kind")
    labels = [c for c in descendants(w) if role(c) == "label"]
    equal(len(labels), 1, "labels in the message box")
    equal(sorted(buttons(w)), [tr("host::Mensagem", "OK")], "the message box's keys")
    return labels[0]


# ---- the cases ----------------------------------------------------------------------


class TextChanges:
    """The text-changed events of the host's controls, as a screen reader hears them."""

    def __init__(self):
        self.inserted = []
        pyatspi.Registry.registerEventListener(self._heard, "object:text-changed")

    def _heard(self, event):
        if event.type.endswith("insert"):
            self.inserted.append((event.source.description, event.any_data))

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._heard, "object:text-changed")


def typical_session(host, tr):
    w = host.window(CAPTION)
    field, description = check_observation_window(w, tr)
    changes = TextChanges()
    for key in ["0", "1"]:
        press(w, key)
    wait_for(lambda: text_of(field) == "01", "the code field to read 01")
    press(w, tr.key("Enter"))
    wait_for(lambda: text_of(field) == "01 - Sem cebola", "the code field to read '01 - Sem cebola'")
    # Each change was told: what was typed, and what Enter found.
    code = tr("dialog::TfrmObservacaoMod", "Código")
    wait_for(lambda: (code, " - Sem cebola") in changes.inserted, "the code field's text-changed event")
    check((code, "1") in changes.inserted, f"the typed key's text-changed event: {changes.inserted}")
    changes.close()
    equal(field.name, "01 - Sem cebola", "the code field's name")
    composed = wait_for(lambda: text_of(description), "the description")
    equal(description.name, composed, "the description's name")
    press(w, tr.key("Confirmar"))
    items = host.outcome()["result"]["items"]
    equal(items[0], "01", "the chosen record's code")
    equal(items[-1], composed, "the text the host got")


def search(host, tr):
    w = host.window(CAPTION)
    field, description = check_observation_window(w, tr)
    press(w, tr.key("    Pesquisar          Observação"))
    s = host.window(tr("host::TfrmPesquisa", "Pesquisar %1").replace("%1", CAPTION))
    search_field, rows = check_search_window(s, tr)
    everything = rows.childCount
    check(everything > 5, "the search lists the whole sample")
    # Nothing found: the list says so, as the window does.
    for key in "QXZ":
        press(s, key)
    wait_for(lambda: rows.childCount == 0, "the rows to empty")
    equal(rows.description, tr("host::TfrmPesquisa", "Nenhum registro encontrado."), "the empty list's description")
    press(s, tr("host::TfrmPesquisa", "Limpar"))
    wait_for(lambda: text_of(search_field) == "" and rows.childCount == everything, "the search to clear")
    for key in "SAL":
        press(s, key)
    wait_for(lambda: text_of(search_field) == "SAL", "the search field to read SAL")
    wait_for(lambda: 0 < rows.childCount < everything, "the rows to narrow")
    found = [text_of(r) for r in children(rows)]
    check(all("sal" in fold(t) for t in found), f"rows that do not hold 'sal': {found}")
    check(states(children(rows)[0]).contains(pyatspi.STATE_SELECTED), "the first row is selected")
    # The second row is the one taken: chosen by its action, read through its text.
    second = children(rows)[1]
    act(second, "SetFocus")
    wait_for(lambda: states(second).contains(pyatspi.STATE_SELECTED), "the second row to be selected")
    check(not states(children(rows)[0]).contains(pyatspi.STATE_SELECTED), "the first row left the selection")
    chosen = text_of(second)
    press(s, tr("host::TfrmPesquisa", "Confirmar"))
    host.gone(s)
    code = chosen.split(" - ")[0]
    wait_for(lambda: text_of(field).startswith(code + " - "), f"the code field to show {code}")
    composed = text_of(description)
    press(w, tr.key("Confirmar"))
    items = host.outcome()["result"]["items"]
    equal(items[0], code, "the searched record's code")
    equal(items[-1], composed, "the text the host got")
    check(chosen.split(" - ", 1)[1] in composed, "the chosen row's description is in the text")


def edit(host, tr):
    w = host.window(CAPTION)
    field, description = check_observation_window(w, tr)
    press(w, "0")
    press(w, "1")
    press(w, tr.key("Enter"))
    composed = wait_for(lambda: text_of(description), "the description")
    press(w, tr.key("Editar"))
    e = host.window(tr("host::TfrmEditaTexto", "Editar %1").replace("%1", CAPTION))
    area = check_editor_window(e, tr)
    equal(text_of(area), composed, "the editor's text")
    press(e, tr("host::TfrmEditaTexto", "Limpar"))
    wait_for(lambda: text_of(area) == "", "the text to clear")
    # Keys first, as the operator types; then the editable-text interface.
    keys = buttons(e)
    for c in "SEM":
        press(e, next(n for n in keys if n.upper() == c))
    press(e, tr("host::TfrmEditaTexto", "Espaço"))
    typed = wait_for(lambda: text_of(area) if len(text_of(area)) == 4 else "", "the typed keys")
    equal(fold(typed), "sem ", "the typed text")
    check(area.queryEditableText().insertText(len(typed), "sal", 3), "inserting through the interface")
    wait_for(lambda: text_of(area) == typed + "sal", "the inserted text")
    equal(area.queryText().caretOffset, len(typed) + 3, "the caret after inserting")
    # A selection made through the interface is what the next key replaces.
    text = area.queryText()
    check(text.addSelection(0, 3), "selecting through the interface")
    equal(text.getNSelections(), 1, "selections")
    equal(tuple(text.getSelection(0)), (0, 3), "the selection")
    press(e, next(n for n in keys if n.upper() == "A"))
    edited = wait_for(lambda: text_of(area) if fold(text_of(area)) == "a sal" else "", "the selection replaced")
    equal(text.getNSelections(), 0, "selections after typing")
    press(e, tr("host::TfrmEditaTexto", "Confirmar"))
    host.gone(e)
    wait_for(lambda: text_of(description) == edited, "the description to take the edited text")
    press(w, tr.key("Confirmar"))
    items = host.outcome()["result"]["items"]
    equal(items[-1], edited, "the text the host got")


def message(host, tr):
    w = host.window(CAPTION)
    check_observation_window(w, tr)
    for key in ["9", "9", tr.key("Enter")]:
        press(w, key)
    box = host.window(tr("host::Mensagem", "Mensagem"))
    label = check_message_box(box, tr, "Informação")
    shown = text_of(label)
    equal(label.name, shown, "the message's name")
    press(box, tr("host::Mensagem", "OK"))
    host.gone(box)
    press(w, tr.key("Sair"))
    outcome = host.outcome()
    equal(outcome["result"]["items"], ["Erro"], "the host's result after leaving")
    equal([m["text"] for m in outcome["messages"]], [shown], "the message the host recorded")


CASES = [typical_session, search, edit, message]


def on_alarm(signum, frame):
    raise Failure(f"the case took longer than {CASE_SECONDS} s")


signal.signal(signal.SIGALRM, on_alarm)
failures = 0
for lang in LANGS:
    tr = Tr(SOURCE, lang)
    for case in CASES:
        name = f"{case.__name__}[{lang}]"
        host = None
        signal.alarm(CASE_SECONDS)
        try:
            host = Host(HOST, lang)
            case(host, tr)
            print(f"PASS: {name}")
        except Exception as e:
            failures += 1
            print(f"FAIL: {name}: {type(e).__name__}: {e}")
        finally:
            signal.alarm(0)
            if host:
                host.kill()
stop_bus()
print(f"{failures} failed")
sys.exit(1 if failures else 0)
