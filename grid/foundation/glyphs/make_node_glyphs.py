#!/usr/bin/env python3
"""Draws the outline nodes' glyphs as 24-bit BMPs: the leaf node's closed and open folder
(16 x 16) and the XP node's plus and minus box (9 x 9). The top-left pixel is the key colour that
the grid replaces by the cell's background."""
import struct
import sys
from pathlib import Path

KEY = (255, 0, 255)


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for (r, g, b) in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    path.write_bytes(header + info + body)


def canvas(w, h):
    return [[KEY] * w for _ in range(h)]


def rect(p, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            p[y][x] = colour


def frame(p, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        p[y0][x] = p[y1][x] = colour
    for y in range(y0, y1 + 1):
        p[y][x0] = p[y][x1] = colour


EDGE = (128, 96, 0)
FOLDER = (255, 214, 90)
LIGHT = (255, 236, 160)


def folder(open_):
    p = canvas(16, 16)
    # the tab, then the body
    rect(p, 1, 3, 6, 4, FOLDER)
    frame(p, 1, 3, 6, 4, EDGE)
    rect(p, 1, 5, 14, 13, FOLDER)
    frame(p, 1, 5, 14, 13, EDGE)
    if open_:
        # the front flap tilted down towards the viewer
        for i, y in enumerate(range(8, 14)):
            x0 = 3 + (13 - y) // 2
            rect(p, max(2, x0 - 1), y, 15 - (13 - y) // 3, y, LIGHT)
        for y in range(8, 14):
            p[y][max(2, 3 + (13 - y) // 2 - 1)] = EDGE
        for x in range(2, 16):
            p[8][x] = EDGE
    return p


BORDER = (122, 152, 175)
FILL = (236, 240, 244)
SIGN = (0, 0, 0)


def xp_box(collapsed):
    p = canvas(9, 9)
    rect(p, 0, 0, 8, 8, FILL)
    frame(p, 0, 0, 8, 8, BORDER)
    p[0][0] = KEY  # rounded corners keep the key colour, the top-left one included
    p[0][8] = p[8][0] = p[8][8] = KEY
    for x in range(2, 7):
        p[4][x] = SIGN
    if collapsed:
        for y in range(2, 7):
            p[y][4] = SIGN
    return p


def main(folder_out):
    out = Path(folder_out)
    write_bmp(out / "esgleafclose.bmp", folder(False))
    write_bmp(out / "esgleafopen.bmp", folder(True))
    write_bmp(out / "xpnodec.bmp", xp_box(True))
    write_bmp(out / "xpnodeo.bmp", xp_box(False))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
