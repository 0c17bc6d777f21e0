#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the 24-bit BMP a Windows test saved of the table into a PNG.
   bmp_to_png.py IN.bmp OUT.png"""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
offset = struct.unpack_from("<I", data, 10)[0]
width, height = struct.unpack_from("<ii", data, 18)
stride = (width * 3 + 3) & ~3
rows = []
for y in range(abs(height)):
    # Stored from the bottom up, each pixel blue, green, red.
    start = offset + (abs(height) - 1 - y if height > 0 else y) * stride
    row = data[start:start + width * 3]
    rows.append(b"\0" + b"".join(row[x:x + 3][::-1] for x in range(0, len(row), 3)))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n")
    out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, abs(height), 8, 2, 0, 0, 0)))
    out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 9)))
    out.write(chunk(b"IEND", b""))
