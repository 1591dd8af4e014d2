#!/usr/bin/env python3
"""art_glyphbutton.py OUTDIR [--sheet]: the glyph button's own resources.

Writes into OUTDIR, under the file names resources/yunqiao.rc names:
  - the preset kinds' glyphs, 18 x 18, 24-bit: a muted normal picture
    ("...gvelab") and a vivid hot one ("...velab"), on a light grey whose
    bottom-left pixel the button treats as transparent;
  - strela.bmp, the small popup arrow (7 x 4, black on white);
  - handvelab.cur, a 32 x 32 monochrome pointing-hand cursor;
  - preko.wav, the entry sound: a short two-note chime (about 0.16 s, so
    that the synchronous play does not hold up the pointer noticeably).
With --sheet it also writes glyphbutton_sheet.png showing all of it enlarged.
"""
import math
import os
import struct
import sys
import wave

from PIL import Image

from art_draw import BLUE, GOLD, GOLD_DARK, RED, RED_DARK, WHITE, Canvas, mix, monochrome_cursor, rgba

SIZE = 18
SCALE = 8
KEY = (236, 236, 236)  # the transparent colour, close to a button face
GREEN = (36, 150, 60)
GREEN_DARK = (16, 90, 34)
BLUE_DARK = (20, 56, 128)
ORANGE = (236, 128, 24)
ORANGE_DARK = (150, 72, 10)
WOOD = (170, 104, 52)
WOOD_DARK = (96, 56, 24)
SLATE = (96, 100, 112)
INK = (40, 32, 30)


def stroke(c, points, colour, dark, width):
    """A line with a dark rim, so that it stays clear at 18 pixels."""
    c.lines(points, rgba(dark), width + 1.2)
    c.lines(points, rgba(colour), width)


def arrow_head(c, tip, direction, size, colour, dark):
    dx, dy = direction
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    base = (tip[0] - ux * size, tip[1] - uy * size)
    left = (base[0] - uy * size * 0.62, base[1] + ux * size * 0.62)
    right = (base[0] + uy * size * 0.62, base[1] - ux * size * 0.62)
    c.polygon([tip, left, right], fill=rgba(colour), outline=rgba(dark), line=0.7)


def check(c, dx=0.0, dy=0.0, scale=1.0):
    pts = [(3.5, 9.5), (7.5, 13.5), (14.5, 4.5)]
    stroke(c, [(dx + x * scale, dy + y * scale) for x, y in pts], GREEN, GREEN_DARK, 2.6 * scale)


def ok(c):
    check(c)


def cancel(c):
    stroke(c, [(4.5, 4.5), (13.5, 13.5)], RED, RED_DARK, 2.6)
    stroke(c, [(13.5, 4.5), (4.5, 13.5)], RED, RED_DARK, 2.6)


def help_(c):
    c.circle(9, 9, 7.6, fill=rgba(BLUE), outline=rgba(BLUE_DARK), line=1.0)
    points = []
    for i in range(0, 19):
        a = math.radians(200 - i * 12)
        points.append((9 + 2.6 * math.cos(a), 7.2 - 2.6 * math.sin(a)))
    points += [(9.6, 9.6), (9, 10.8)]
    c.lines(points, rgba(WHITE), 1.7)
    c.circle(9, 13.4, 1.1, fill=rgba(WHITE))


def no(c):
    c.circle(9, 9, 7.0, outline=rgba(RED_DARK), line=3.4)
    c.circle(9, 9, 7.0, outline=rgba(RED), line=2.2)
    stroke(c, [(4.4, 4.4), (13.6, 13.6)], RED, RED_DARK, 2.0)


def close(c):
    c.rect(2.5, 2, 10.5, 16.5, fill=rgba(WOOD), outline=rgba(WOOD_DARK), line=0.9, radius=0.5)
    c.rect(4, 3.5, 9, 15, fill=rgba(mix(WOOD, WHITE, 0.25)))
    c.circle(8, 9.5, 0.8, fill=rgba(GOLD_DARK))
    stroke(c, [(9.5, 9.5), (14, 9.5)], GREEN, GREEN_DARK, 2.0)
    arrow_head(c, (17, 9.5), (1, 0), 4.0, GREEN, GREEN_DARK)


def retry(c):
    """A circular arrow, three quarters round, pointing into its gap."""
    points = []
    for i in range(0, 31):
        a = math.radians(60 + i * 9)
        points.append((9 + 6 * math.cos(a), 9 - 6 * math.sin(a)))
    stroke(c, points, BLUE, BLUE_DARK, 2.2)
    a = math.radians(60 + 30 * 9)
    direction = (-math.sin(a), -math.cos(a))
    end = points[-1]
    arrow_head(c, (end[0] + direction[0] * 2.8, end[1] + direction[1] * 2.8), direction, 4.2, BLUE, BLUE_DARK)


def ignore(c):
    c.rect(7, 11, 11, 16.5, fill=rgba(SLATE), outline=rgba(INK), line=0.7)
    points = []
    for i in range(0, 21):
        a = math.radians(170 - i * 7)
        points.append((9 + 6.2 * math.cos(a), 12 - 7 * math.sin(a)))
    stroke(c, points, ORANGE, ORANGE_DARK, 1.8)
    arrow_head(c, (15.6, 14.6), (0.35, 1), 3.6, ORANGE, ORANGE_DARK)


def all_(c):
    check(c, -1.6, -1.0, 0.9)
    check(c, 2.6, 3.2, 0.9)


def silly(c):
    c.circle(9, 9, 7.6, fill=rgba(GOLD), outline=rgba(GOLD_DARK), line=1.0)
    c.circle(6.4, 7, 1.1, fill=rgba(INK))
    c.circle(11.6, 7, 1.1, fill=rgba(INK))
    c.arc(9, 9.5, 4.2, 3.4, 20, 160, rgba(INK), 1.1)
    c.ellipse(9.6, 12.0, 12.4, 15.2, fill=rgba(RED), outline=rgba(RED_DARK), line=0.6)


# resource base name: (drawing, hot file, normal file)
KINDS = {
    "ok": (ok, "davelab", "dagvelab"),
    "cancel": (cancel, "iksicvelab", "iksicgvelab"),
    "help": (help_, "pomocvelab", "pomocgvelab"),
    "no": (no, "nevelab", "negvelab"),
    "close": (close, "exitvelab", "exitgvelab"),
    "retry": (retry, "retrivelab", "retrigvelab"),
    "ignore": (ignore, "ignovelab", "ignogvelab"),
    "all": (all_, "svevelab", "svegvelab"),
    "silly": (silly, "glupivelab", "glupigvelab"),
}


def muted(layer):
    """The normal look: the hot picture with most of its colour taken away."""
    r, g, b, a = layer.split()
    grey = Image.merge("RGB", (r, g, b)).convert("L").point(lambda v: min(255, int(v * 0.9 + 40)))
    faded = Image.blend(Image.merge("RGB", (r, g, b)), Image.merge("RGB", (grey, grey, grey)), 0.6)
    faded.putalpha(a)
    return faded


def kind_glyphs(draw):
    c = Canvas(SIZE, SIZE, SCALE)
    draw(c)
    pictures = []
    for layer in (c.image, muted(c.image)):
        image = Image.new("RGBA", layer.size, rgba(KEY))
        image.alpha_composite(layer)
        image = image.convert("RGB").resize((SIZE, SIZE), Image.LANCZOS)
        # Only the background may carry the key colour, and it owns the corner.
        pixels = image.load()
        for y in range(SIZE):
            for x in range(SIZE):
                if pixels[x, y] == KEY and layer.getpixel((x * SCALE + SCALE // 2, y * SCALE + SCALE // 2))[3]:
                    pixels[x, y] = (KEY[0] - 1, KEY[1] - 1, KEY[2] - 1)
        image.putpixel((0, SIZE - 1), KEY)
        pictures.append(image)
    return pictures  # hot, normal


STRELA = ["#######", ".#####.", "..###..", "...#..."]


def strela():
    image = Image.new("RGB", (len(STRELA[0]), len(STRELA)), (255, 255, 255))
    for y, row in enumerate(STRELA):
        for x, ch in enumerate(row):
            if ch == "#":
                image.putpixel((x, y), (0, 0, 0))
    return image


# X black, o white, . transparent; the fingertip is the hot spot.
HAND = [
    ".....XX...........",
    "....XooX..........",
    "....XooX..........",
    "....XooX..........",
    "....XooX..........",
    "....XooXXX........",
    "....XooXooXXX.....",
    "....XooXooXooXX...",
    ".XX.XooXooXooXoX..",
    "XooXXooXooXooXooX.",
    "XoooXooooooooXooX.",
    ".XooXoooooooooooX.",
    "..XoXoooooooooooX.",
    "..XoooooooooooooX.",
    "...XooooooooooooX.",
    "...XoooooooooooX..",
    "....XooooooooooX..",
    "....XoooooooooX...",
    ".....XooooooooX...",
    ".....XooooooooX...",
    ".....XXXXXXXXXX...",
]
HAND_ORIGIN = (2, 1)
HAND_HOTSPOT = (HAND_ORIGIN[0] + 5, HAND_ORIGIN[1])


def hand_cursor():
    """A 32 x 32 monochrome .cur of the pointing hand."""
    return monochrome_cursor(HAND, HAND_ORIGIN, HAND_HOTSPOT)


def chime(rate=22050):
    """Two soft bell notes, E6 then B6, overlapping; 16-bit mono samples."""
    length = 0.16
    notes = [(1318.5, 0.0, 0.55), (1975.5, 0.045, 0.45)]  # frequency, start, level
    samples = []
    total = int(rate * length)
    for i in range(total):
        t = i / rate
        v = 0.0
        for f, start, level in notes:
            u = t - start
            if u < 0:
                continue
            envelope = min(1.0, u / 0.003) * math.exp(-u * 28)
            v += level * envelope * (math.sin(2 * math.pi * f * u) + 0.22 * math.sin(2 * math.pi * 2.0 * f * u)
                                     + 0.08 * math.sin(2 * math.pi * 3.01 * f * u))
        fade = min(1.0, (total - i) / (rate * 0.01))
        samples.append(int(max(-1.0, min(1.0, 0.42 * v * fade)) * 32767))
    return rate, samples


def write_wav(path):
    rate, samples = chime()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def sheet(kinds, arrow, path):
    zoom = 5
    w = 20 + len(kinds) * (SIZE * zoom + 10)
    page = Image.new("RGB", (w, 2 * SIZE * zoom + 3 * 10 + 120), (250, 250, 250))
    for i, (hot, normal) in enumerate(kinds):
        x = 10 + i * (SIZE * zoom + 10)
        page.paste(normal.resize((SIZE * zoom, SIZE * zoom), Image.NEAREST), (x, 10))
        page.paste(hot.resize((SIZE * zoom, SIZE * zoom), Image.NEAREST), (x, 20 + SIZE * zoom))
    y = 30 + 2 * SIZE * zoom
    page.paste(arrow.resize((arrow.width * 8, arrow.height * 8), Image.NEAREST), (10, y))
    colours = {"X": (0, 0, 0), "o": (255, 255, 255), ".": (120, 170, 220)}
    hand = Image.new("RGB", (len(HAND[0]), len(HAND)))
    for yy, row in enumerate(HAND):
        for xx, ch in enumerate(row):
            hand.putpixel((xx, yy), colours[ch])
    page.paste(hand.resize((hand.width * 4, hand.height * 4), Image.NEAREST), (100, y))
    page.save(path)


def main(argv):
    if len(argv) not in (2, 3) or (len(argv) == 3 and argv[2] != "--sheet"):
        sys.exit(__doc__)
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    kinds = []
    for draw, hot_name, normal_name in KINDS.values():
        hot, normal = kind_glyphs(draw)
        hot.save(os.path.join(out, hot_name + ".bmp"), "BMP")
        normal.save(os.path.join(out, normal_name + ".bmp"), "BMP")
        kinds.append((hot, normal))
    arrow = strela()
    arrow.save(os.path.join(out, "strela.bmp"), "BMP")
    with open(os.path.join(out, "handvelab.cur"), "wb") as f:
        f.write(hand_cursor())
    write_wav(os.path.join(out, "preko.wav"))
    if len(argv) == 3:
        sheet(kinds, arrow, os.path.join(out, "glyphbutton_sheet.png"))


if __name__ == "__main__":
    main(sys.argv)
