#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# What the Wayland sessions read off the compositor: sway's tree (which window has the
# focus, where each window is) and screenshots in PPM (where the windows over the host
# window are).
#   probe.py focused            < tree.json   the focused window's name
#   probe.py rect NAME          < tree.json   x y w h of the first window named NAME...
#   probe.py count NAME         < tree.json   how many windows are named NAME...
#   probe.py size SHOT.ppm                    width height
#   probe.py box SHOT.ppm RRGGBB...           x y w h of what is none of those colours
#   probe.py diff A.ppm B.ppm [X Y W H]       x y w h of the pixels that differ (inside
#                                               that box, when given)
import json
import sys


def nodes(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from nodes(child)


def windows():
    return [n for n in nodes(json.load(sys.stdin)) if n.get("type") in ("con", "floating_con") and n.get("name")]


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("not an 8-bit P6 picture: " + path)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def bounds(width, height, row_clear, pixel_differs):
    """The box of the pixels that differ; whole rows that do not are skipped at once."""
    left, right, top, bottom = width, -1, None, None
    for y in range(height):
        if row_clear(y):
            continue
        x0 = next(x for x in range(width) if pixel_differs(x, y))
        x1 = next(x for x in range(width - 1, -1, -1) if pixel_differs(x, y))
        left, right = min(left, x0), max(right, x1)
        top = y if top is None else top
        bottom = y
    if top is None:
        return "none"
    return "%d %d %d %d" % (left, top, right - left + 1, bottom - top + 1)


def main(argv):
    what = argv[1]
    if what == "focused":
        print(next((w["name"] for w in windows() if w.get("focused")), ""))
    elif what == "rect":
        found = [w["rect"] for w in windows() if w["name"].startswith(argv[2])]
        print("%(x)d %(y)d %(width)d %(height)d" % found[0] if found else "none")
    elif what == "count":
        print(sum(1 for w in windows() if w["name"].startswith(argv[2])))
    elif what == "size":
        width, height, _ = read_ppm(argv[2])
        print(width, height)
    elif what == "box":
        width, height, px = read_ppm(argv[2])
        colours = {bytes.fromhex(c) for c in argv[3:]}
        plain = {c * width for c in colours}
        stride = width * 3
        print(bounds(width, height, lambda y: px[y * stride:(y + 1) * stride] in plain,
                     lambda x, y: px[(y * width + x) * 3:(y * width + x) * 3 + 3] not in colours))
    elif what == "colour":
        # The box of the pixels of one colour: a window found by its frame, whatever the
        # compositor draws around the windows below it (titles, borders).
        width, height, px = read_ppm(argv[2])
        colour = bytes.fromhex(argv[3])
        stride = width * 3

        def row_clear(y):
            row = px[y * stride:(y + 1) * stride]
            i = row.find(colour)
            while i != -1:
                if i % 3 == 0:
                    return False
                i = row.find(colour, i + 1)
            return True

        print(bounds(width, height, row_clear, lambda x, y: px[(y * width + x) * 3:(y * width + x) * 3 + 3] == colour))
    elif what == "diff":
        width, height, a = read_ppm(argv[2])
        _, _, b = read_ppm(argv[3])
        x0, y0, w, h = (int(v) for v in argv[4:8]) if len(argv) >= 8 else (0, 0, width, height)
        stride = width * 3

        def inside(x, y):
            return x0 <= x < x0 + w and y0 <= y < y0 + h

        def row_clear(y):
            return not y0 <= y < y0 + h or a[y * stride + x0 * 3:y * stride + (x0 + w) * 3] == b[
                y * stride + x0 * 3:y * stride + (x0 + w) * 3]

        print(bounds(width, height, row_clear,
                     lambda x, y: inside(x, y) and a[(y * width + x) * 3:(y * width + x) * 3 + 3]
                     != b[(y * width + x) * 3:(y * width + x) * 3 + 3]))
    else:
        sys.exit("unknown request " + what)


main(sys.argv)
