#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
"""The installed demo host, read and operated through AT-SPI alone (pyatspi), in each
language: walks every window's tree checking roles and names, operates a typical
session, a search, an edit and a message by accessible actions and text interfaces,
and reads back what the operator sees. Run inside a private D-Bus session on an X
server (run-atspi.sh). Each case is bounded; any failure fails the run."""

import json
import os
import signal
import subprocess
import sys
import time
import unicodedata
import xml.etree.ElementTree as ET

from gi.repository import GLib

TREE, SOURCE = sys.argv[1], sys.argv[2]
LANGS = sys.argv[3:] or ["pt", "en", "es"]
HOST = os.path.join(TREE, "bin", "observacao-host")
CAPTION = "Observação"  # the host's default caption, shown verbatim in every language
CASE_SECONDS = 60


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def equal(seen, expected, what):
    if seen != expected:
        raise Failure(f"{what}: {seen!r}, expected {expected!r}")


def wait_for(probe, what, seconds=15):
    """The first true value probe gives within the time; a failure naming what otherwise.
    Events that arrived meanwhile are handed to their listeners."""
    end = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = probe()
            if value:
                return value
        except Exception as e:  # the tree changes under us while a window opens or closes
            last_error = e
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


# ---- the AT-SPI bus ----------------------------------------------------------------

bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def bus_up():
    r = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=5)
    return r.returncode == 0 and "unix:" in r.stdout


wait_for(bus_up, "the AT-SPI bus to start")
import pyatspi  # noqa: E402  (only once the bus is there: the library asks for it when loaded)

# ---- translations: what each window should say ------------------------------------


def load_translations(lang):
    table = {}
    if lang == "pt":
        return table
    root = ET.parse(os.path.join(SOURCE, "translations", f"observacao_{lang}.ts")).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            table[(name, message.findtext("source"))] = message.findtext("translation")
    return table


class Tr:
    def __init__(self, lang):
        self.table = load_translations(lang)

    def __call__(self, context, source):
        return self.table.get((context, source)) or source

    def key(self, source):
        """A key of the observation window: named by its caption, blanks simplified."""
        return " ".join(self("dialog::TfrmObservacaoMod", source).split())


# ---- reading the tree ---------------------------------------------------------------


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def descendants(acc):
    for c in children(acc):
        if c is None:
            continue
        yield c
        yield from descendants(c)


def role(acc):
    return acc.getRoleName()


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def states(acc):
    return acc.getState()


def is_showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def buttons(window):
    return {b.name: b for b in descendants(window) if role(b) == "push button"}


def act(acc, *names):
    """Does the accessible action of one of these names (AT-SPI gives them lower-case)."""
    action = acc.queryAction()
    wanted = [n.lower() for n in names]
    offered = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(offered):
        if name.lower() in wanted:
            check(action.doAction(i), f"{acc.name!r}: action {name} refused")
            return
    raise Failure(f"{acc.name!r} ({role(acc)}) offers no action {names}: {offered}")


def press(window, name):
    """Presses a key by its action and waits until it has been let go: Qt animates the press
    and clicks when it ends, and a second press during the animation would be lost."""
    keys = buttons(window)
    check(name in keys, f"no key named {name!r} in {window.name!r}: {sorted(keys)}")
    key = keys[name]
    act(key, "Press")
    wait_for(lambda: not states(key).contains(pyatspi.STATE_PRESSED), f"the key {name!r} to be let go", 5)


def fold(text):
    return "".join(c for c in unicodedata.normalize("NFD", text) if unicodedata.category(c) != "Mn").casefold()


# ---- the host -----------------------------------------------------------------------


class Host:
    def __init__(self, lang):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.proc = subprocess.Popen([HOST, "-platform", "xcb", "--json", "--lang", lang], env=env,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.app = wait_for(self._find_app, "the host on the accessibility bus")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.get_process_id() == self.proc.pid:
                return app
        return None

    def window(self, name):
        """The showing top-level window of that name."""
        def probe():
            for w in children(self.app):
                if w is not None and w.name == name and is_showing(w):
                    return w
            return None
        return wait_for(probe, f"the window {name!r}")

    def gone(self, window):
        wait_for(lambda: window not in children(self.app) or not is_showing(window), f"{window.name!r} to close")

    def outcome(self):
        """The call's outcome as the host printed it, once it has ended."""
        try:
            out, err = self.proc.communicate(timeout=15)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise Failure("the host did not end")
        equal(self.proc.returncode, 0, f"host's exit status (stderr: {err.strip()})")
        lines = [json.loads(line) for line in out.splitlines() if line.startswith("{")]
        equal(len(lines), 1, "calls the host reported")
        return lines[0]

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


# ---- the windows' trees -------------------------------------------------------------

CHARACTER_KEYS = list("1234567890QWERTYUIOPASDFGHJKLÇZXCVBNM")


def check_observation_window(w, tr):
    equal(role(w), "dialog", "observation window's role")
    keys = [c for c in children(w) if role(c) == "push button"]
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
    tr = Tr(lang)
    for case in CASES:
        name = f"{case.__name__}[{lang}]"
        host = None
        signal.alarm(CASE_SECONDS)
        try:
            host = Host(lang)
            case(host, tr)
            print(f"PASS: {name}")
        except Exception as e:
            failures += 1
            print(f"FAIL: {name}: {type(e).__name__}: {e}")
        finally:
            signal.alarm(0)
            if host:
                host.kill()
bus.terminate()
bus.wait()
print(f"{failures} failed")
sys.exit(1 if failures else 0)
