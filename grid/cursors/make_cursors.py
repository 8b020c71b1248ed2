#!/usr/bin/env python3
"""Writes the string grid's selection cursors (32 x 32, two colours, transparent around).

8010 row selection: a black arrow pointing right, white outline, tip = hot spot (26, 16).
8011 column selection: the same arrow pointing down, hot spot (13, 26) just below its tip.
8012 whole grid and selection resizing: a black plus, white outline, hot spot (16, 16).
8014 cell selector: a white plus, black outline, hot spot (16, 16).
8000 panning at rest: a black dot with four arrow heads around it, white outline, hot spot (16, 16).
8001 to 8008 panning under way: a black arrow from the centre in the direction of the pan (down,
left, right, up, up-right, up-left, down-right, down-left), white outline, hot spot (16, 16).
Run from this folder; the .cur files are kept in the repository.
"""
import math
import struct

SIZE = 32


def right_arrow(x, y):
    head = 21 <= x <= 26 and abs(y - 16) <= 26 - x
    shaft = 15 <= x <= 20 and 14 <= y <= 18
    return head or shaft


def down_arrow(x, y):
    return right_arrow(y + 1, x + 3)  # the right arrow turned, its tip at (13, 25)


def plus(half_length, half_thickness):
    def inside(x, y):
        dx, dy = abs(x - 16), abs(y - 16)
        return max(dx, dy) <= half_length and min(dx, dy) <= half_thickness
    return inside


def pan_arrow(dx, dy):
    """An arrow from the centre towards (dx, dy): a shaft, then a head whose tip is 12 pixels out."""
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length

    def inside(x, y):
        px, py = x - 16, y - 16
        along, across = px * ux + py * uy, abs(px * uy - py * ux)
        return (5 <= along <= 12 and across <= 12 - along) or (-1 <= along <= 5 and across <= 1.5)
    return inside


def pan_rest(x, y):
    px, py = x - 16, y - 16
    if px * px + py * py <= 5:
        return True
    for ux, uy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        along, across = px * ux + py * uy, abs(px * uy - py * ux)
        if 7 <= along <= 12 and across <= 12 - along:
            return True
    return False


def cursor(outer, fill_black, hot):
    def core(x, y):
        return all(outer(x + i, y + j) for i, j in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)))

    colour = {}  # (x, y) -> True black, False white; absent: transparent
    for y in range(SIZE):
        for x in range(SIZE):
            if outer(x, y):
                colour[(x, y)] = core(x, y) == fill_black
    stride = SIZE // 8
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up
        xr, ar = bytearray(stride), bytearray(stride)
        for x in range(SIZE):
            bit = 0x80 >> (x % 8)
            if (x, y) not in colour:
                ar[x // 8] |= bit
            elif not colour[(x, y)]:
                xr[x // 8] |= bit  # palette entry 1, white
        xor_rows.append(bytes(xr))
        and_rows.append(bytes(ar))
    image = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    image += bytes([0, 0, 0, 0, 255, 255, 255, 0]) + b''.join(xor_rows) + b''.join(and_rows)
    header = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hot[0], hot[1], len(image), 22)
    return header + image


CURSORS = {
    8010: (right_arrow, True, (26, 16)),
    8011: (down_arrow, True, (13, 26)),
    8012: (plus(6, 2), True, (16, 16)),
    8014: (plus(8, 3), False, (16, 16)),
    8000: (pan_rest, True, (16, 16)),
    8001: (pan_arrow(0, 1), True, (16, 16)),
    8002: (pan_arrow(-1, 0), True, (16, 16)),
    8003: (pan_arrow(1, 0), True, (16, 16)),
    8004: (pan_arrow(0, -1), True, (16, 16)),
    8005: (pan_arrow(1, -1), True, (16, 16)),
    8006: (pan_arrow(-1, -1), True, (16, 16)),
    8007: (pan_arrow(1, 1), True, (16, 16)),
    8008: (pan_arrow(-1, 1), True, (16, 16)),
}

if __name__ == '__main__':
    for number, (outer, black, hot) in CURSORS.items():
        with open(f'{number}.cur', 'wb') as f:
            f.write(cursor(outer, black, hot))
