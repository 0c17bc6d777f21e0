#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Joins square PNG icons into one Windows .ico, each size kept as the PNG it is
(Windows reads PNG icons of every size since Vista).
    make_ico.py OUTPUT.ico ICON.png...
Sizes met twice are taken once; a size over 256 or a picture not square is refused."""
import struct
import sys


def size_of(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n" or png[12:16] != b"IHDR":
        raise SystemExit("not a PNG")
    return struct.unpack(">II", png[16:24])


def main(output, inputs):
    icons = {}
    for name in inputs:
        with open(name, "rb") as f:
            png = f.read()
        width, height = size_of(png)
        if width != height or width > 256:
            raise SystemExit(f"{name}: {width}x{height} is no icon size")
        icons.setdefault(width, png)
    sizes = sorted(icons)
    offset = 6 + 16 * len(sizes)
    head = struct.pack("<HHH", 0, 1, len(sizes))
    entries, images = b"", b""
    for size in sizes:
        png = icons[size]
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png),
                               offset + len(images))
        images += png
    with open(output, "wb") as f:
        f.write(head + entries + images)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
