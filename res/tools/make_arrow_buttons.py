#!/usr/bin/env python3
"""res/tools/make_arrow_buttons.py: writes the Customize pages' bitmap buttons.

One 24x22 bitmap per button and state, named by caption and state letter:
ADD (a plus), REM (a cross), UP and DN (arrows), SORT (bars getting shorter
over a down arrow), each as
  <caption>U.bmp  normal: a raised grey face, black glyph
  <caption>D.bmp  pressed: sunken, the glyph moved one pixel down and right
  <caption>F.bmp  focused: raised with a black frame and a dotted focus mark
  <caption>X.bmp  disabled: raised, a grey glyph etched in white
and res/buttons.rc.inc naming each bitmap as a resource of the same name.
Usage: make_arrow_buttons.py [res-folder]
"""
import os
import sys

sys.dont_write_bytecode = True  # no cache beside the sources
from make_tab_arrows import BLACK, FACE, SHADOW, WHITE, write_bmp  # noqa: E402

WIDTH, HEIGHT = 24, 22

# Glyphs, 12x12: "#" is ink.
GLYPHS = {
    "ADD": [
        "............",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".##########.",
        ".##########.",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        "............",
    ],
    "REM": [
        "............",
        ".##......##.",
        ".###....###.",
        "..###..###..",
        "...######...",
        "....####....",
        "....####....",
        "...######...",
        "..###..###..",
        ".###....###.",
        ".##......##.",
        "............",
    ],
    "UP": [
        ".....##.....",
        "....####....",
        "...######...",
        "..########..",
        ".##########.",
        "############",
        "....####....",
        "....####....",
        "....####....",
        "....####....",
        "....####....",
        "....####....",
    ],
    "DN": [
        "....####....",
        "....####....",
        "....####....",
        "....####....",
        "....####....",
        "....####....",
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
    ],
    "SORT": [
        "######...#..",
        ".........#..",
        "#####....#..",
        ".........#..",
        "####.....#..",
        ".........#..",
        "###......#..",
        ".......#####",
        "##......###.",
        ".........#..",
        "#...........",
        "............",
    ],
}
STATES = "UDFX"


def face(state):
    """The button's face and edges, as rows of colours."""
    img = [[FACE] * WIDTH for _ in range(HEIGHT)]
    right, bottom = WIDTH - 1, HEIGHT - 1
    if state == "D":  # sunken: a dark frame
        for x in range(WIDTH):
            img[0][x] = img[bottom][x] = SHADOW
        for y in range(HEIGHT):
            img[y][0] = img[y][right] = SHADOW
        return img
    inset = 1 if state == "F" else 0
    if inset:  # focused: a black frame around the raised edges
        for x in range(WIDTH):
            img[0][x] = img[bottom][x] = BLACK
        for y in range(HEIGHT):
            img[y][0] = img[y][right] = BLACK
    lo, hx, hy = inset, right - inset, bottom - inset
    for x in range(lo, hx + 1):
        img[lo][x] = WHITE
        img[hy][x] = BLACK
        if lo < x < hx:
            img[hy - 1][x] = SHADOW
    for y in range(lo, hy + 1):
        img[y][lo] = WHITE
        img[y][hx] = BLACK
        if lo < y < hy:
            img[y][hx - 1] = SHADOW
    if inset:  # the dotted focus mark inside the edges
        for x in range(4, WIDTH - 4, 2):
            img[3][x] = img[HEIGHT - 4][x] = BLACK
        for y in range(3, HEIGHT - 3, 2):
            img[y][3] = img[y][WIDTH - 4] = BLACK
    return img


def button(glyph, state):
    img = face(state)
    left, top = (WIDTH - 12) // 2, (HEIGHT - 12) // 2
    if state == "D":
        left, top = left + 1, top + 1
    ink = [(left + x, top + y) for y, row in enumerate(glyph)
           for x, c in enumerate(row) if c == "#"]
    if state == "X":
        for x, y in ink:
            img[y + 1][x + 1] = WHITE
    for x, y in ink:
        img[y][x] = SHADOW if state == "X" else BLACK
    return img


def main(folder):
    lines = ["// res/buttons.rc.inc: the Customize pages' bitmap buttons, one",
             "// bitmap per caption and state, made by",
             "// res/tools/make_arrow_buttons.py."]
    for caption, glyph in GLYPHS.items():
        for state in STATES:
            name = caption + state
            write_bmp(os.path.join(folder, name + ".bmp"),
                      button(glyph, state))
            lines.append('%s BITMAP "%s.bmp"' % (name, name))
    with open(os.path.join(folder, "buttons.rc.inc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res")
