#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
"""What accessibility costs the installed host on a real X server (run by
bench/atspi-cost.sh inside tests/atspi/run-atspi.sh's Xvfb and D-Bus session):
  - scripted calls with no assistive technology, and with one listening to every event
    the windows send (a second process that registers the listeners and pumps them);
  - walking a window's whole tree as a client reads it (role, name, description, state
    and text of every node), and one key pressed by its action until the code field
    reads the change.
Prints one line per figure. Not a test: nothing fails on a time."""

import os
import statistics
import subprocess
import sys
import time

TREE = sys.argv[1]
HOST = os.path.join(TREE, "bin", "observacao-host")
CALLS = int(os.environ.get("OBS_ATSPI_CALLS", "50"))
REPEATS = 5
WALKS = 20

subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL)
for _ in range(100):
    r = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
    if r.returncode == 0:
        break
    time.sleep(0.1)
import pyatspi  # noqa: E402

LISTENER = r"""
import pyatspi, sys
def ignore(event):
    pass
pyatspi.Registry.registerEventListener(ignore, "object", "window", "focus")
print("listening", flush=True)
pyatspi.Registry.start()
"""


def calls(with_at):
    """Seconds for CALLS typical calls (0 1 Enter Confirm) in one host process."""
    env = dict(os.environ)
    for name in ("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "QT_ACCESSIBILITY"):
        env.pop(name, None)
    if with_at:
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    args = [HOST, "-platform", "xcb", "--json"]
    for _ in range(CALLS):
        args += ["--keys", "0 1 Return Alt+C"]
    start = time.monotonic()
    out = subprocess.run(args, env=env, capture_output=True, text=True, timeout=600).stdout
    seconds = time.monotonic() - start
    done = out.count('"01"')
    if done != CALLS:
        sys.exit(f"atspi_cost: {done} of {CALLS} calls returned record 01")
    return seconds


def report_calls():
    listener = subprocess.Popen(["/usr/bin/python3", "-c", LISTENER], stdout=subprocess.PIPE, text=True)
    listener.stdout.readline()
    plain, assisted = [], []
    for _ in range(REPEATS):  # interleaved, so that a slow spell falls on both
        plain.append(calls(False))
        assisted.append(calls(True))
    listener.terminate()
    p, a = statistics.median(plain), statistics.median(assisted)
    print(f"{CALLS} scripted calls, no assistive technology: median {p:.2f} s ({p * 1000 / CALLS:.1f} ms a call)"
          f" of {REPEATS}: {', '.join(f'{x:.2f}' for x in plain)}")
    print(f"{CALLS} scripted calls, a client listening to every event: median {a:.2f} s"
          f" ({a * 1000 / CALLS:.1f} ms a call) of {REPEATS}: {', '.join(f'{x:.2f}' for x in assisted)}")
    print(f"ratio: {a / p:.2f}")


def read_node(acc):
    acc.getRoleName()
    acc.name
    acc.description
    acc.getState()
    try:
        t = acc.queryText()
        t.getText(0, t.characterCount)
    except NotImplementedError:
        pass
    return 1 + sum(read_node(acc.getChildAtIndex(i)) for i in range(acc.childCount))


def timed_walks(window):
    times = []
    for _ in range(WALKS):
        window.clearCache()
        start = time.monotonic()
        nodes = read_node(window)
        times.append(time.monotonic() - start)
    return nodes, statistics.median(times), min(times)


def find(parent, test, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for i in range(parent.childCount):
            c = parent.getChildAtIndex(i)
            if c is not None and test(c):
                return c
        time.sleep(0.05)
    sys.exit("atspi_cost: timed out finding a window")


def press(window, name):
    for i in range(window.childCount):
        c = window.getChildAtIndex(i)
        if c.getRoleName() == "push button" and c.name == name:
            c.queryAction().doAction(0)
            return
    sys.exit(f"atspi_cost: no key {name}")


def report_presses(window, field):
    """A key pressed by its action until the code field reads it, typed and erased in turn."""
    presses = []
    for key in ["0", "1"] * 10:
        before = field.queryText().getText(0, -1)
        start = time.monotonic()
        press(window, key)
        while field.queryText().getText(0, -1) == before:
            time.sleep(0.001)
        presses.append(time.monotonic() - start)
        press(window, "Backspace")
        while field.queryText().getText(0, -1) != before:
            time.sleep(0.001)
    print(f"a key pressed by its action until the code field reads it: median"
          f" {statistics.median(presses) * 1000:.1f} ms of {len(presses)} (Qt animates a press for 100 ms)")


def report_walks():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    host = subprocess.Popen([HOST, "-platform", "xcb"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = find(desktop, lambda a: a.get_process_id() == host.pid)
        window = find(app, lambda w: w.name == "Observação")
        nodes, median, best = timed_walks(window)
        print(f"observation window tree, {nodes} nodes: median {median * 1000:.1f} ms a walk"
              f" ({median * 1e6 / nodes:.0f} us a node), best {best * 1000:.1f} ms, of {WALKS}")
        labels = [window.getChildAtIndex(i) for i in range(window.childCount)
                  if window.getChildAtIndex(i).getRoleName() == "label"]
        if len(labels) == 3:
            report_presses(window, labels[1])
        else:  # a tree whose fields cannot be read (as before they could)
            print("a key pressed by its action: not measured, the code field cannot be read")
        press(window, "Pesquisar Observação")
        search = find(app, lambda w: w.name == "Pesquisar Observação")
        nodes, median, best = timed_walks(search)
        print(f"search window tree with the sample's 28 rows, {nodes} nodes: median {median * 1000:.1f} ms"
              f" a walk ({median * 1e6 / nodes:.0f} us a node), best {best * 1000:.1f} ms, of {WALKS}")
    finally:
        host.kill()
        host.wait()


report_walks()
report_calls()
