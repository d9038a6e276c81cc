# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
"""What session.py needs of AT-SPI: the accessibility bus (started when this is imported,
inside the caller's D-Bus session), bounded waits, the windows' expected texts from the
shipped translations, reading the tree and acting on it, and the host as a process."""

import json
import os
import subprocess
import time
import unicodedata
import xml.etree.ElementTree as ET

from gi.repository import GLib


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


def load_translations(source, lang):
    table = {}
    if lang == "pt":
        return table
    root = ET.parse(os.path.join(source, "translations", f"observacao_{lang}.ts")).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            table[(name, message.findtext("source"))] = message.findtext("translation")
    return table


class Tr:
    def __init__(self, source, lang):
        self.table = load_translations(source, lang)

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
    """The installed host on xcb with accessibility on, making one call by hand."""

    def __init__(self, path, lang):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.proc = subprocess.Popen([path, "-platform", "xcb", "--json", "--lang", lang], env=env,
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


def stop_bus():
    bus.terminate()
    bus.wait()
