"""Button glyphs (24-bit bitmaps) and the program icon.

A glyph button draws its picture with the colour of the bottom-left pixel
transparent, so every glyph is painted on the face colour of the button it
belongs to (browser row #FBFDFF, quiz and edit windows white) and leaves
that corner free.  Shapes carry dark outlines so that they stay clear at
19 x 20 pixels.
"""
import math

from PIL import Image

from art_draw import (BLUE, GOLD, GOLD_DARK, GOLD_LIGHT, INK, JADE, ORANGE, PAPER, RED, RED_DARK,
                      RED_LIGHT, WHITE, Canvas, lantern, mix, rgba)

BROWSER_FACE = (0xFB, 0xFD, 0xFF)
QUIZ_FACE = (255, 255, 255)
EDIT_FACE = (255, 255, 255)
SCALE = 8

OUTLINE = (92, 30, 24)
GREY = (120, 120, 128)
WAVE = (222, 112, 18)


def small_lantern(c, cx, top, w, h, mark=None):
    """A lantern simplified for glyphs: outlined body, gold caps, short tassel."""
    cap_h = max(1.6, h * 0.13)
    body_top, body_bottom = top + cap_h * 0.7, top + h - cap_h * 0.7
    c.ellipse(cx - w / 2, body_top, cx + w / 2, body_bottom, fill=rgba(RED), outline=rgba(RED_DARK), line=0.9)
    c.ellipse(cx - w * 0.3, body_top + (body_bottom - body_top) * 0.12, cx + w * 0.18,
              body_top + (body_bottom - body_top) * 0.62, fill=rgba(RED_LIGHT, 110))
    for y in (top, top + h - cap_h):
        c.rect(cx - w * 0.27, y, cx + w * 0.27, y + cap_h, fill=rgba(GOLD), outline=rgba(GOLD_DARK), line=0.6,
               radius=0.5)
    if mark == "ribs":
        c.arc(cx, (body_top + body_bottom) / 2, w * 0.22, (body_bottom - body_top) / 2 - 0.3, 90, 270,
              rgba(RED_DARK, 220), 0.7)
        c.arc(cx, (body_top + body_bottom) / 2, w * 0.22, (body_bottom - body_top) / 2 - 0.3, 270, 90,
              rgba(RED_DARK, 220), 0.7)
    return body_top, body_bottom


def question_mark(c, cx, cy, size, colour, line):
    r = size * 0.28
    points = []
    for i in range(0, 25):
        a = math.radians(200 - i * 10)  # from the left round over the top to the right
        points.append((cx + r * math.cos(a), cy - size * 0.2 - r * math.sin(a)))
    points += [(cx + r * 0.2, cy + size * 0.02), (cx, cy + size * 0.14)]
    c.lines(points, rgba(colour), line)
    c.circle(cx, cy + size * 0.36, line * 0.62, fill=rgba(colour))


# -- 19 x 20 glyphs -------------------------------------------------------------
def quiz_game(c):
    """猜谜游戏: a lantern with a question mark."""
    c.lines([(9.5, 0.6), (9.5, 2.4)], rgba(GOLD_DARK), 0.9)
    top, bottom = small_lantern(c, 9.5, 2, 15, 15)
    question_mark(c, 9.6, (top + bottom) / 2, 9, GOLD_LIGHT, 1.7)
    c.lines([(9.5, 17), (9.5, 19.2)], rgba(RED_DARK), 1.2)


def knowledge(c):
    """灯谜知识: an open book with a red ribbon."""
    c.polygon([(1, 5), (9.5, 6.5), (18, 5), (18, 16.5), (9.5, 18), (1, 16.5)], fill=rgba(RED),
              outline=rgba(RED_DARK), line=0.8)
    c.polygon([(2, 4), (9.5, 5.4), (9.5, 16.6), (2, 15.2)], fill=rgba(PAPER), outline=rgba(GREY), line=0.6)
    c.polygon([(17, 4), (9.5, 5.4), (9.5, 16.6), (17, 15.2)], fill=rgba(PAPER), outline=rgba(GREY), line=0.6)
    for i in range(4):
        y = 7.6 + i * 2.1
        c.lines([(3.6, y - 0.3), (8, y + 0.5)], rgba(INK, 170), 0.7)
        c.lines([(11, y + 0.5), (15.4, y - 0.3)], rgba(INK, 170), 0.7)
    c.polygon([(12.5, 1.5), (14.5, 1.5), (14.5, 7), (13.5, 6), (12.5, 7)], fill=rgba(GOLD),
              outline=rgba(GOLD_DARK), line=0.5)


def speaker(c, x0=1.0, w=19, h=20):
    """朗读: a loudspeaker sending sound waves."""
    cy = h / 2
    c.polygon([(x0 + 1, cy - 3), (x0 + 4, cy - 3), (x0 + 9, cy - 7.5), (x0 + 9, cy + 7.5), (x0 + 4, cy + 3),
               (x0 + 1, cy + 3)], fill=rgba(RED), outline=rgba(RED_DARK), line=0.9)
    c.rect(x0 + 1, cy - 3, x0 + 4, cy + 3, fill=rgba(RED_DARK))
    for r, line in ((3.2, 1.3), (6.0, 1.3)):
        c.arc(x0 + 10, cy, r, r, -55, 55, rgba(WAVE), line)


def add_riddle(c):
    """添加: a sheet of riddles with a plus badge."""
    c.polygon([(2, 1.5), (12, 1.5), (15, 4.5), (15, 18), (2, 18)], fill=rgba(PAPER), outline=rgba(GREY),
              line=0.8)
    c.polygon([(12, 1.5), (12, 4.5), (15, 4.5)], fill=rgba((226, 218, 200)), outline=rgba(GREY), line=0.6)
    for i in range(4):
        y = 6 + i * 2.4
        c.lines([(4.2, y), (11.5 if i < 3 else 8.5, y)], rgba(INK, 150), 0.8)
    c.circle(13.2, 14.6, 4.8, fill=rgba(RED), outline=rgba(RED_DARK), line=0.8)
    c.lines([(10.8, 14.6), (15.6, 14.6)], rgba(WHITE), 1.5)
    c.lines([(13.2, 12.2), (13.2, 17.0)], rgba(WHITE), 1.5)


def search(c):
    """搜索: a magnifying glass with a gold rim and red handle."""
    c.lines([(12, 12.5), (17.2, 17.7)], rgba(RED_DARK), 3.6)
    c.lines([(12.3, 12.8), (17, 17.5)], rgba(RED), 2.0)
    c.circle(8, 8, 6.3, fill=rgba((214, 232, 248)), outline=rgba(GOLD_DARK), line=2.0)
    c.arc(8, 8, 3.6, 3.6, 190, 260, rgba(WHITE), 1.2)


def pencil(c, x0, y0, x1, y1, width):
    """A pencil from its tip (x0, y0) to its end (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy * width / 2, ux * width / 2

    def at(t, side):
        return (x0 + ux * t + nx * side, y0 + uy * t + ny * side)

    tip = width * 1.3
    c.polygon([at(length * 0.88, -1), at(length, -1), at(length, 1), at(length * 0.88, 1)], fill=rgba(RED),
              outline=rgba(OUTLINE), line=0.6)
    c.polygon([at(tip, -1), at(length * 0.88, -1), at(length * 0.88, 1), at(tip, 1)], fill=rgba(GOLD),
              outline=rgba(OUTLINE), line=0.6)
    c.lines([at(tip, 0), at(length * 0.88, 0)], rgba(GOLD_DARK), 0.5)
    c.polygon([(x0, y0), at(tip, -1), at(tip, 1)], fill=rgba((240, 206, 160)), outline=rgba(OUTLINE), line=0.6)
    c.polygon([(x0, y0), at(tip * 0.4, -0.4), at(tip * 0.4, 0.4)], fill=rgba(INK))


def edit(c):
    """修改: a pencil writing a line."""
    c.lines([(2, 18), (9, 18)], rgba(BLUE), 1.0)
    pencil(c, 2.2, 16.6, 17, 1.8, 4.6)


def browse(c):
    """浏览: the riddle list, a table with a red title row."""
    c.rect(1.5, 2.5, 17.5, 17.5, fill=rgba(WHITE), outline=rgba(GREY), line=0.9, radius=0.8)
    c.rect(1.5, 2.5, 17.5, 6.5, fill=rgba(RED), outline=rgba(RED_DARK), line=0.8, radius=0.8)
    for y in (10, 13.6):
        c.lines([(2, y), (17, y)], rgba(GREY, 200), 0.7)
    c.lines([(9, 6.5), (9, 17)], rgba(GREY, 200), 0.7)
    for y in (8.3, 11.8, 15.4):
        c.lines([(3.6, y), (7.4, y)], rgba(BLUE), 1.1)
        c.lines([(10.6, y), (15.4, y)], rgba(INK, 170), 1.1)


def music(c):
    """音乐: two joined eighth notes."""
    c.polygon([(6.8, 4.5), (17, 1.5), (17, 4.2), (6.8, 7.2)], fill=rgba(RED_DARK))
    c.lines([(7.4, 5), (7.4, 15)], rgba(RED_DARK), 1.4)
    c.lines([(16.4, 2.5), (16.4, 13)], rgba(RED_DARK), 1.4)
    for cx, cy in ((5, 15.3), (14, 13.3)):
        c.ellipse(cx - 3.2, cy - 2.3, cx + 3.2, cy + 2.3, fill=rgba(RED), outline=rgba(RED_DARK), line=0.9)


# -- 32 x 32 glyphs ----------------------------------------------------------------
def show_answer(c):
    """显示答案: a lit lamp bulb with rays."""
    c.radial_glow(16, 12.5, 13, 13, GOLD, alpha=120)
    for a in range(-150, -20, 26):
        r0, r1 = 11.5, 14.5
        x, y = math.cos(math.radians(a)), math.sin(math.radians(a))
        c.lines([(16 + x * r0, 12.5 + y * r0), (16 + x * r1, 12.5 + y * r1)], rgba(WAVE), 1.4)
    c.polygon([(12, 19), (20, 19), (19.5, 22), (12.5, 22)], fill=rgba(GOLD), outline=rgba(GOLD_DARK), line=0.8)
    c.circle(16, 12.5, 8.2, fill=rgba((255, 236, 150)), outline=rgba(GOLD_DARK), line=1.1)
    c.circle(14.2, 10.2, 3.2, fill=rgba(WHITE, 200))
    c.lines([(13.5, 18.5), (14.8, 13.8), (16, 16), (17.2, 13.8), (18.5, 18.5)], rgba(ORANGE), 0.9)
    for y in (22, 24.2, 26.4):
        c.rect(12.6, y, 19.4, y + 2, fill=rgba((150, 150, 160)), outline=rgba((90, 90, 100)), line=0.6,
               radius=0.8)
    c.rect(14.3, 28.4, 17.7, 30, fill=rgba((90, 90, 100)), radius=0.8)


def sequential(c):
    """顺序出谜: three lanterns in a row and an arrow going on."""
    for i, x in enumerate((6, 16, 26)):
        c.lines([(x, 1), (x, 3.5)], rgba(GOLD_DARK), 0.9)
        small_lantern(c, x, 3, 8.6, 10, mark="ribs")
        c.lines([(x, 13), (x, 15)], rgba(RED_DARK), 1.0)
    c.lines([(3, 23), (25, 23)], rgba(JADE), 3.2)
    c.polygon([(24, 17.5), (30.5, 23), (24, 28.5)], fill=rgba(JADE))


def dice_face(c, cx, cy, size, angle, pips, pip_colour):
    a = math.radians(angle)

    def rot(u, v):
        return (cx + u * math.cos(a) - v * math.sin(a), cy + u * math.sin(a) + v * math.cos(a))

    h = size / 2
    k = size * 0.16
    corners = [(-h + k, -h), (h - k, -h), (h, -h + k), (h, h - k), (h - k, h), (-h + k, h), (-h, h - k),
               (-h, -h + k)]
    c.polygon([rot(u + 0.8, v + 0.9) for u, v in corners], fill=rgba((170, 160, 150)))
    c.polygon([rot(u, v) for u, v in corners], fill=rgba(WHITE), outline=rgba((70, 64, 60)), line=0.9)
    q = size * 0.27
    spots = {1: [(0, 0)], 3: [(-q, -q), (0, 0), (q, q)], 4: [(-q, -q), (q, -q), (-q, q), (q, q)]}[pips]
    r = size * (0.17 if pips == 1 else 0.11)
    for u, v in spots:
        x, y = rot(u, v)
        c.circle(x, y, r, fill=rgba(pip_colour))


def random_riddle(c):
    """随机出谜: two dice; as on Chinese dice, one and four are red."""
    dice_face(c, 11.5, 11, 15, -14, 1, RED)
    dice_face(c, 20.5, 20.5, 15, 10, 4, RED)


def user_bank(c):
    """用户谜库: a stack of riddle books and the user."""
    books = [(3, 21, 25, 27, RED, GOLD), (5, 15, 27, 21, BLUE, GOLD_LIGHT), (2, 9, 23, 15, JADE, GOLD)]
    for x0, y0, x1, y1, colour, band in books:
        c.rect(x0, y0, x1, y1, fill=rgba(colour), outline=rgba(mix(colour, (0, 0, 0), 0.45)), line=0.9,
               radius=1)
        c.rect(x1 - 3, y0 + 0.8, x1 - 0.8, y1 - 0.8, fill=rgba(PAPER))
        c.lines([(x0 + 3, (y0 + y1) / 2), (x1 - 6, (y0 + y1) / 2)], rgba(band), 1.0)
    # the user: a round badge with head and shoulders
    c.circle(24.5, 24.5, 6.8, fill=rgba(WHITE), outline=rgba(BLUE), line=1.1)
    c.circle(24.5, 22.3, 2.2, fill=rgba(BLUE))
    c.polygon([(20.3, 28.6), (21, 26.2), (24.5, 25.2), (28, 26.2), (28.7, 28.6)], fill=rgba(BLUE))


# -- 39 x 40 -------------------------------------------------------------------
def confirm_edit(c):
    """确认修改: a riddle sheet, a pencil and a red seal with a tick."""
    c.polygon([(5, 3), (25, 3), (31, 9), (31, 36), (5, 36)], fill=rgba(PAPER), outline=rgba(GREY), line=1.0)
    c.polygon([(25, 3), (25, 9), (31, 9)], fill=rgba((226, 218, 200)), outline=rgba(GREY), line=0.8)
    for i in range(6):
        y = 11 + i * 3.6
        c.lines([(9, y), (26 if i % 2 == 0 else 21, y)], rgba(INK, 140), 1.0)
    pencil(c, 14, 30, 34, 8, 5.2)
    c.circle(28.5, 29.5, 8.2, fill=rgba(RED), outline=rgba(RED_DARK), line=1.2)
    c.circle(28.5, 29.5, 6.6, outline=rgba(GOLD_LIGHT, 220), line=0.7)
    c.lines([(24.6, 29.8), (27.6, 32.8), (32.6, 26.2)], rgba(WHITE), 2.0)


def glyph(draw, size, face):
    w, h = size
    c = Canvas(w, h, SCALE, rgba(face))
    draw(c)
    image = c.image.convert("RGB").resize(size, Image.LANCZOS)
    # The bottom-left pixel is the button's transparent colour.
    image.putpixel((0, h - 1), face)
    return image


GLYPHS = {
    # resource name: (drawing, size, face colour)
    "GLYPH_BROWSER_QUIZ": (quiz_game, (19, 20), BROWSER_FACE),
    "GLYPH_BROWSER_KNOWLEDGE": (knowledge, (19, 20), BROWSER_FACE),
    "GLYPH_BROWSER_READ": (speaker, (19, 20), BROWSER_FACE),
    "GLYPH_BROWSER_ADD": (add_riddle, (19, 20), BROWSER_FACE),
    "GLYPH_BROWSER_SEARCH": (search, (19, 20), BROWSER_FACE),
    "GLYPH_BROWSER_EDIT": (edit, (19, 20), BROWSER_FACE),
    "GLYPH_QUIZ_BROWSE": (browse, (19, 20), QUIZ_FACE),
    "GLYPH_QUIZ_EDIT": (edit, (19, 20), QUIZ_FACE),
    "GLYPH_QUIZ_READ": (speaker, (19, 20), QUIZ_FACE),
    "GLYPH_QUIZ_ADD": (add_riddle, (19, 20), QUIZ_FACE),
    "GLYPH_QUIZ_MUSIC": (music, (19, 20), QUIZ_FACE),
    "GLYPH_QUIZ_ANSWER": (show_answer, (32, 32), QUIZ_FACE),
    "GLYPH_QUIZ_SEQUENTIAL": (sequential, (32, 32), QUIZ_FACE),
    "GLYPH_QUIZ_RANDOM": (random_riddle, (32, 32), QUIZ_FACE),
    "GLYPH_QUIZ_USERBANK": (user_bank, (32, 32), QUIZ_FACE),
    "GLYPH_EDIT_CONFIRM": (confirm_edit, (39, 40), EDIT_FACE),
}


def icon_images():
    """The program icon at 48, 32 and 16 pixels: a glowing lantern."""
    images = []
    for size in (48, 32, 16):
        c = Canvas(size, size, SCALE)
        if size >= 32:
            u = size / 32
            c.lines([(16 * u, 0), (16 * u, 3 * u)], rgba(GOLD_DARK), 1.2 * u)
            lantern(c, 16 * u, 2.5 * u, 27 * u, 20 * u, tassel=False, glow=False, outline=RED_DARK)
            c.lines([(16 * u, 22.5 * u), (16 * u, 25 * u)], rgba(GOLD), 1.2 * u)
            c.circle(16 * u, 25.6 * u, 1.3 * u, fill=rgba(GOLD))
            for dx in (-1.2, 0, 1.2):
                c.lines([(16 * u + dx * 0.4 * u, 26.5 * u), (16 * u + dx * u, 31.5 * u)], rgba(RED), 0.9 * u)
        else:
            c.lines([(8, 0), (8, 1.5)], rgba(GOLD_DARK), 0.9)
            small_lantern(c, 8, 1, 15, 12)
            c.lines([(8, 13), (8, 16)], rgba(RED), 1.4)
        images.append(c.result((size, size)))
    return images
