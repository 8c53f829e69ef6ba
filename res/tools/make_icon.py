#!/usr/bin/env python3
"""res/tools/make_icon.py: writes res/Quorvane.ico, the program's icon.

A 32x32 and a 16x16 image of the bar itself: a grey band with a white
slanted tab and three coloured buttons. Drawn from code so it can be remade.
"""
import struct
import sys


def draw(size):
    s = size / 32.0
    grey, dark, white = (192, 192, 192), (64, 64, 64), (255, 255, 255)
    colours = [(0, 96, 192), (0, 160, 64), (208, 64, 32)]
    px = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            ux, uy = x / s, y / s
            if 8 <= uy < 28 and 1 <= ux < 31:
                c = grey
                if uy < 9 or ux < 2:
                    c = white
                elif uy >= 27 or ux >= 30:
                    c = dark
                for i, col in enumerate(colours):
                    bx = 4 + i * 9
                    if bx <= ux < bx + 7 and 14 <= uy < 24:
                        c = col
                px[y][x] = c
            elif 3 <= uy < 8 and 4 + (8 - uy) <= ux < 18 - (8 - uy) + 6:
                px[y][x] = white if uy > 3 else dark
    return px


def bmp_entry(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b""
    for y in reversed(range(size)):
        for x in range(size):
            c = px[y][x]
            rows += struct.pack("BBBB", *(c[::-1] if c else (0, 0, 0)), 255 if c else 0)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row)
    return header + rows + mask


def main(path):
    images = [bmp_entry(32), bmp_entry(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/Quorvane.ico")
