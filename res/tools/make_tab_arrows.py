#!/usr/bin/env python3
"""res/tools/make_tab_arrows.py: writes the tab strip's arrow bitmaps.

Each bitmap holds five frames of an arrow pair (two 16x16 buttons):
  res/TabArrowsHorz.bmp       160x16, frames side by side: left and right
  res/TabArrowsRightEdge.bmp  16x160, frames stacked: up (back), down
  res/TabArrowsLeftEdge.bmp   16x160, frames stacked: up (forward), down
Frame 0 shows both buttons up, 1 and 3 press the first or second button,
2 disables the back arrow and 4 the forward arrow. Grey raised faces with
black arrows; pressed buttons sunken with the arrow moved one pixel; disabled
arrows grey with a white etch. Usage: make_tab_arrows.py [res-folder]
"""
import os
import struct
import sys

FACE = (192, 192, 192)
WHITE = (255, 255, 255)
SHADOW = (128, 128, 128)
BLACK = (0, 0, 0)
CELL = 16


def arrow_pixels(direction):
    """The pixels of a 4-step arrow in a 16x16 cell, pointing `direction`."""
    pts = []
    for k in range(4):  # k: distance from the tip
        for d in range(-k, k + 1):
            if direction == "left":
                pts.append((5 + k, 7 + d))
            elif direction == "right":
                pts.append((10 - k, 7 + d))
            elif direction == "up":
                pts.append((7 + d, 5 + k))
            else:
                pts.append((7 + d, 10 - k))
    return pts


def button(direction, state):
    """A 16x16 button as rows of colours; state: up, pressed or disabled."""
    img = [[FACE] * CELL for _ in range(CELL)]
    last = CELL - 1
    for i in range(CELL):
        if state == "pressed":  # sunken: a dark frame
            for x, y in ((i, 0), (0, i), (i, last), (last, i)):
                img[y][x] = SHADOW
        else:  # raised: light top-left, dark bottom-right
            img[0][i] = img[i][0] = WHITE
            img[last][i] = img[i][last] = BLACK
            if 0 < i < last:
                img[last - 1][i] = img[i][last - 1] = SHADOW
    shift = 1 if state == "pressed" else 0
    if state == "disabled":
        for x, y in arrow_pixels(direction):
            img[y + 1][x + 1] = WHITE
    colour = SHADOW if state == "disabled" else BLACK
    for x, y in arrow_pixels(direction):
        img[y + shift][x + shift] = colour
    return img


def frame_states(back_is_first):
    """Per frame, the states of the first and the second button."""
    back_off = ("disabled", "up") if back_is_first else ("up", "disabled")
    forward_off = back_off[::-1]
    return [("up", "up"), ("pressed", "up"), back_off, ("up", "pressed"),
            forward_off]


def frames(first, second, back_is_first, horizontal):
    """The five frames of one bitmap as one image (rows of colours)."""
    img = []
    cells = [(button(first, a), button(second, b))
             for a, b in frame_states(back_is_first)]
    if horizontal:
        for y in range(CELL):
            row = []
            for one, two in cells:
                row += one[y] + two[y]
            img.append(row)
    else:
        for one, two in cells:
            img += one + two
    return img


def write_bmp(path, img):
    h, w = len(img), len(img[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(img):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + data)


def main(folder):
    # Back arrow: left (horizontal), up on the right edge, down on the left
    # edge, where the run starts at the bottom.
    write_bmp(os.path.join(folder, "TabArrowsHorz.bmp"),
              frames("left", "right", True, True))
    write_bmp(os.path.join(folder, "TabArrowsRightEdge.bmp"),
              frames("up", "down", True, False))
    write_bmp(os.path.join(folder, "TabArrowsLeftEdge.bmp"),
              frames("up", "down", False, False))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res")
