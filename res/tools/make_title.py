#!/usr/bin/env python3
"""res/tools/make_title.py: writes res/Title.bmp, the start-up picture.

A 600x300, 256-colour bitmap with its own palette: a blue gradient sky, the
bar drawn large along the top with slanted tabs and buttons, and a row of
squares below. Drawn from code so that it can be remade exactly.
"""
import struct
import sys

W, H = 600, 300


def palette():
    pal = []
    for i in range(128):  # gradient: deep blue to light blue
        pal.append((20 + i // 2, 40 + i, 120 + i))
    fixed = [(192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 0),
             (0, 96, 192), (0, 160, 64), (208, 64, 32), (240, 200, 0)]
    pal += fixed
    pal += [(0, 0, 0)] * (256 - len(pal))
    return pal


GREY, WHITE, DARK, BLACK, BLUE, GREEN, RED, YELLOW = range(128, 136)


def pixel(x, y):
    # The bar: a grey band with a 3-D edge.
    if 40 <= y < 120 and 30 <= x < 570:
        if y == 40 or x == 30:
            return WHITE
        if y == 119 or x == 569:
            return DARK
        for i, c in enumerate((BLUE, GREEN, RED, YELLOW, BLUE, GREEN)):
            bx = 50 + i * 85
            if bx <= x < bx + 60 and 55 <= y < 105:
                return c
        return GREY
    # Slanted tabs under the bar.
    for i in range(4):
        left = 40 + i * 110
        top, bottom = 120, 145
        if top <= y < bottom:
            slant = y - top
            if left + slant <= x < left + 120 - slant:
                return WHITE if i == 0 else GREY
    # A row of squares near the bottom.
    if 200 <= y < 240:
        k = (x - 60) // 60
        if 0 <= k < 8 and (x - 60) % 60 < 40:
            return (BLUE, GREEN, RED, YELLOW)[k % 4]
    return (y * 127) // (H - 1)


def main(path):
    pal = palette()
    stride = (W + 3) & ~3
    rows = bytearray()
    for y in reversed(range(H)):
        row = bytearray(pixel(x, y) for x in range(W))
        row += bytes(stride - W)
        rows += row
    header = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in pal)
    offset = 14 + len(header) + len(table)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(filehdr + header + table + rows)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/Title.bmp")
