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
Given a second tree (another build of the host), measures both, interleaved, so that a
slow spell of the machine falls on both. Prints one line per figure. Not a test: nothing
fails on a time."""

import os
import statistics
import subprocess
import sys
import time

# argv: TREE SOURCE_DIR [OTHER_TREE]
TREES = [sys.argv[1]] + sys.argv[3:4]
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


def host_of(tree):
    return os.path.join(tree, "bin", "observacao-host")


def calls(tree, with_at):
    """Seconds for CALLS typical calls (0 1 Enter Confirm) in one host process."""
    env = dict(os.environ)
    for name in ("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "QT_ACCESSIBILITY"):
        env.pop(name, None)
    if with_at:
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    args = [host_of(tree), "-platform", "xcb", "--json"]
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
    times = {(tree, at): [] for tree in TREES for at in (False, True)}
    for _ in range(REPEATS):  # interleaved, so that a slow spell falls on every side
        for key in times:
            times[key].append(calls(*key))
    listener.terminate()
    for tree in TREES:
        p, a = statistics.median(times[(tree, False)]), statistics.median(times[(tree, True)])
        print(f"{tree}: {CALLS} scripted calls, no assistive technology: median {p:.2f} s"
              f" ({p * 1000 / CALLS:.1f} ms a call) of {REPEATS}: {', '.join(f'{x:.2f}' for x in times[(tree, False)])}")
        print(f"{tree}: {CALLS} scripted calls, a client listening to every event: median {a:.2f} s"
              f" ({a * 1000 / CALLS:.1f} ms a call) of {REPEATS}: {', '.join(f'{x:.2f}' for x in times[(tree, True)])}")
        print(f"{tree}: ratio {a / p:.2f}")


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


def walk_once(window):
    window.clearCache()
    start = time.monotonic()
    nodes = read_node(window)
    return nodes, time.monotonic() - start


def report_walks_of(what, windows):
    """Walks each tree's window WALKS times, the trees in turn."""
    times = {tree: [] for tree in windows}
    nodes = {}
    for _ in range(WALKS):
        for tree, window in windows.items():
            nodes[tree], seconds = walk_once(window)
            times[tree].append(seconds)
    for tree in windows:
        median = statistics.median(times[tree])
        print(f"{tree}: {what} tree, {nodes[tree]} nodes: median {median * 1000:.1f} ms a walk"
              f" ({median * 1e6 / nodes[tree]:.0f} us a node), best {min(times[tree]) * 1000:.1f} ms, of {WALKS}")


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


def report_presses(tree, window):
    """A key pressed by its action until the code field reads it, typed and erased in turn."""
    labels = [window.getChildAtIndex(i) for i in range(window.childCount)
              if window.getChildAtIndex(i).getRoleName() == "label"]
    if len(labels) != 3:  # a tree whose fields cannot be read (as before they could)
        print(f"{tree}: a key pressed by its action: not measured, the code field cannot be read")
        return
    field = labels[1]
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
    print(f"{tree}: a key pressed by its action until the code field reads it: median"
          f" {statistics.median(presses) * 1000:.1f} ms of {len(presses)} (Qt animates a press for 100 ms)")


def report_walks():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    hosts = {tree: subprocess.Popen([host_of(tree), "-platform", "xcb"], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL) for tree in TREES}
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        apps = {tree: find(desktop, lambda a, pid=host.pid: a.get_process_id() == pid) for tree, host in hosts.items()}
        windows = {tree: find(app, lambda w: w.name == "Observação") for tree, app in apps.items()}
        report_walks_of("observation window", windows)
        for tree, window in windows.items():
            report_presses(tree, window)
        for window in windows.values():
            press(window, "Pesquisar Observação")
        searches = {tree: find(app, lambda w: w.name == "Pesquisar Observação") for tree, app in apps.items()}
        report_walks_of("search window (the sample's 28 rows)", searches)
    finally:
        for host in hosts.values():
            host.kill()
            host.wait()


report_walks()
report_calls()
