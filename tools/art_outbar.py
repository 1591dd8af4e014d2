#!/usr/bin/env python3
"""art_outbar.py OUTDIR [--sheet]: the outlook bar's item drag cursors.

Writes into OUTDIR, under the file names resources/yunqiao.rc names, three
32 x 32 monochrome cursors:
  - outdragmove.cur, the arrow carrying a dotted item frame (move);
  - outdragcopy.cur, the same with a boxed plus (copy);
  - outnodrop.cur, a ring crossed by a bar (no drop here).
With --sheet it also writes outbar_cursors_sheet.png showing them enlarged.
"""
import math
import os
import sys

from PIL import Image

from art_draw import monochrome_cursor

SIZE = 32

ARROW = [
    "X...........",
    "XX..........",
    "XoX.........",
    "XooX........",
    "XoooX.......",
    "XooooX......",
    "XoooooX.....",
    "XooooooX....",
    "XoooooooX...",
    "XooooooooX..",
    "XoooooXXXXX.",
    "XooXooX.....",
    "XoX.XooX....",
    "XX..XooX....",
    "X....XooX...",
    ".....XooX...",
    "......XX....",
]


def blank():
    return [["."] * SIZE for _ in range(SIZE)]


def paste(grid, rows, x0, y0):
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                grid[y0 + y][x0 + x] = ch


def dotted_frame(grid, left, top, right, bottom):
    """An item's outline, black and white by turns so it shows on any
    background."""
    for x in range(left, right + 1):
        for y in (top, bottom):
            grid[y][x] = "X" if (x + y) % 2 == 0 else "o"
    for y in range(top, bottom + 1):
        for x in (left, right):
            grid[y][x] = "X" if (x + y) % 2 == 0 else "o"


def plus_box(grid, left, top, size=9):
    for y in range(top, top + size):
        for x in range(left, left + size):
            edge = x in (left, left + size - 1) or y in (top, top + size - 1)
            grid[y][x] = "X" if edge else "o"
    mid = size // 2
    for i in range(2, size - 2):
        grid[top + mid][left + i] = "X"
        grid[top + i][left + mid] = "X"


def drag_cursor(copy):
    grid = blank()
    dotted_frame(grid, 7, 18, 22, 27)
    paste(grid, ARROW, 0, 0)
    if copy:
        plus_box(grid, 19, 22)
    return ["".join(row) for row in grid]


def no_drop():
    """A ring of radius 10 with a bar from top-left to bottom-right, black
    with a white rim."""
    grid = blank()
    c = 11.0
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy)
            bar = abs(dx - dy) / math.sqrt(2)
            if 7 <= r <= 10 or (r < 7 and bar <= 1.6):
                grid[y][x] = "X"
            elif 6 <= r <= 11.5 or (r < 7 and bar <= 2.8):
                grid[y][x] = "o"
    return ["".join(row) for row in grid]


CURSORS = {
    "outdragmove.cur": (lambda: drag_cursor(False), (0, 0)),
    "outdragcopy.cur": (lambda: drag_cursor(True), (0, 0)),
    "outnodrop.cur": (no_drop, (11, 11)),
}


def sheet(patterns, path):
    zoom = 6
    colours = {"X": (0, 0, 0), "o": (255, 255, 255), ".": (120, 170, 220)}
    page = Image.new("RGB", (10 + len(patterns) * (SIZE * zoom + 10), SIZE * zoom + 20), (250, 250, 250))
    for i, rows in enumerate(patterns):
        picture = Image.new("RGB", (SIZE, SIZE))
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                picture.putpixel((x, y), colours[ch])
        page.paste(picture.resize((SIZE * zoom, SIZE * zoom), Image.NEAREST), (10 + i * (SIZE * zoom + 10), 10))
    page.save(path)


def main(argv):
    if len(argv) not in (2, 3) or (len(argv) == 3 and argv[2] != "--sheet"):
        sys.exit(__doc__)
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    patterns = []
    for name, (draw, hotspot) in CURSORS.items():
        rows = draw()
        patterns.append(rows)
        with open(os.path.join(out, name), "wb") as f:
            f.write(monochrome_cursor(rows, (0, 0), hotspot))
    if len(argv) == 3:
        sheet(patterns, os.path.join(out, "outbar_cursors_sheet.png"))


if __name__ == "__main__":
    main(sys.argv)
