"""The window pictures: the browser's header and the quiz window's two banners.

Each picture is designed at the size it is shown (the windows stretch the
stored JPEG) and then resampled to the stored size, so that lanterns stay
round on screen however much the stretch distorts:
  header:        shown 765 x 62,  stored 678 x 62;
  top banner:    shown 784 x 105, stored 2940 x 700;
  bottom banner: shown 784 x 38,  stored 2940 x 700.
The companion program's banner (900 x 96, a 24-bit BMP) is shown at its
size.  No text is baked in: the windows draw their captions and labels over
them.
"""
from PIL import Image

from art_draw import CRIMSON, CRIMSON_DEEP, GOLD, GOLD_DARK, GOLD_LIGHT, ORANGE, RED_LIGHT, Canvas, cloud, lantern, rgba

HEADER_SHOWN, HEADER_STORED = (765, 62), (678, 62)
TOP_SHOWN, BOTTOM_SHOWN, BANNER_STORED = (784, 105), (784, 38), (2940, 700)
COMPANION_SHOWN = (900, 96)


def garland(c, x0, x1, y, sag):
    """A gold cord hanging between two points, as a gentle curve."""
    points = []
    for i in range(41):
        t = i / 40
        points.append((x0 + (x1 - x0) * t, y + sag * 4 * t * (1 - t)))
    c.lines(points, rgba(GOLD_DARK), 1.2)
    return lambda x: y + sag * 4 * ((x - x0) / (x1 - x0)) * (1 - (x - x0) / (x1 - x0))


def sparkles(c, spots, colour=GOLD_LIGHT):
    for x, y, r in spots:
        c.polygon([(x, y - r), (x + r * 0.28, y - r * 0.28), (x + r, y), (x + r * 0.28, y + r * 0.28),
                   (x, y + r), (x - r * 0.28, y + r * 0.28), (x - r, y), (x - r * 0.28, y - r * 0.28)],
                  fill=rgba(colour, 220))


def header():
    """Browser header: lanterns on a cord at the left, clouds, a calm dark
    right part where the window draws the answer in white."""
    w, h = HEADER_SHOWN
    c = Canvas(w, h, 4)
    c.vertical_gradient([(0, (168, 22, 26)), (0.55, CRIMSON), (1, CRIMSON_DEEP)])
    c.radial_glow(120, 30, 200, 60, ORANGE, alpha=70)
    # faint clouds across the whole band
    faint = c.layer()
    for x, y, s, flip in [(210, 58, 15, False), (330, 30, 10, True), (420, 60, 13, False), (560, 26, 9, True),
                          (660, 61, 12, False)]:
        cloud(faint, x, y, s, RED_LIGHT, GOLD, flip)
    c.paste(faint, opacity=0.25)
    # gold clouds under the lanterns
    cloud(c, 8, 61, 11, GOLD, GOLD_DARK)
    cloud(c, 236, 62, 9, GOLD, GOLD_DARK, flip=True)
    cord = garland(c, -4, 230, 2, 8)
    for x, size, drop in [(32, 22, 5), (80, 27, 3), (132, 24, 6), (180, 19, 4)]:
        y = cord(x)
        lantern(c, x, y + drop, size, size * 1.02, string=drop, detail=1.0)
    sparkles(c, [(106, 13, 2.4), (158, 46, 2.0), (250, 20, 2.2), (56, 49, 1.8), (212, 40, 1.6)])
    # a thin double gold rule along the bottom edge
    c.rect(0, h - 3, w, h - 2, fill=rgba(GOLD, 230))
    c.rect(0, h - 1, w, h, fill=rgba(GOLD_DARK, 255))
    shown = c.result()
    return shown.convert("RGB").resize(HEADER_STORED, Image.LANCZOS), shown


def banner_top():
    """Quiz title banner: lanterns at both ends, clouds, a warm calm centre
    for the white title and the counter below it."""
    w, h = TOP_SHOWN
    c = Canvas(w, h, 4)
    c.vertical_gradient([(0, (150, 14, 20)), (0.5, (188, 28, 30)), (1, CRIMSON)])
    c.radial_glow(w / 2, 50, 300, 70, ORANGE, alpha=60)
    faint = c.layer()
    for x, y, s, flip in [(250, 96, 14, False), (460, 98, 12, True), (330, 24, 10, False), (520, 30, 11, True)]:
        cloud(faint, x, y, s, RED_LIGHT, GOLD, flip)
    c.paste(faint, opacity=0.22)
    for side in (1, -1):
        def at(x):
            return x if side == 1 else w - x
        cloud(c, at(6), 101, 16, GOLD, GOLD_DARK, flip=side == -1)
        cloud(c, at(196), 60, 9, GOLD, GOLD_DARK, flip=side == 1)
        for x, size, drop in [(40, 40, 10), (98, 30, 4), (158, 24, 14)]:
            lantern(c, at(x), drop, size, size * 1.04, string=drop + 1)
        sparkles(c, [(at(72), 74, 2.6), (at(196), 22, 2.2), (at(126), 86, 1.8)])
    # gold rules: one under the top edge, a double one along the bottom
    c.rect(0, 0, w, 2, fill=rgba(GOLD_DARK))
    c.rect(0, h - 4, w, h - 3, fill=rgba(GOLD, 230))
    c.rect(0, h - 2, w, h, fill=rgba(GOLD_DARK))
    shown = c.result()
    return shown.convert("RGB").resize(BANNER_STORED, Image.LANCZOS), shown


def banner_bottom():
    """Quiz footer strip: a crimson band between gold rules, small lanterns
    and clouds at the ends, the middle kept plain for the white caption."""
    w, h = BOTTOM_SHOWN
    c = Canvas(w, h, 6)
    c.vertical_gradient([(0, (170, 22, 26)), (0.5, CRIMSON), (1, CRIMSON_DEEP)])
    c.radial_glow(w / 2, h / 2, 280, 30, ORANGE, alpha=40)
    c.rect(0, 0, w, 1, fill=rgba(GOLD_DARK))
    c.rect(0, 2, w, 3, fill=rgba(GOLD, 220))
    c.rect(0, h - 3, w, h - 2, fill=rgba(GOLD, 220))
    c.rect(0, h - 1, w, h, fill=rgba(GOLD_DARK))
    for side in (1, -1):
        def at(x):
            return x if side == 1 else w - x
        cloud(c, at(40), 31, 9, GOLD, GOLD_DARK, flip=side == -1)
        cloud(c, at(150), 30, 7, GOLD, GOLD_DARK, flip=side == 1)
        lantern(c, at(18), 6, 15, 16, string=0, tassel=True, glow=True)
        lantern(c, at(122), 8, 12, 13, string=0, tassel=True, glow=True)
    shown = c.result()
    return shown.convert("RGB").resize(BANNER_STORED, Image.LANCZOS), shown


def companion_banner():
    """Head of the 灯谜知识 window: lanterns and clouds at both ends, a plain
    crimson middle (the window shows both ends and stretches the middle
    column, and draws the title over it)."""
    w, h = COMPANION_SHOWN
    c = Canvas(w, h, 4)
    c.vertical_gradient([(0, (160, 16, 22)), (0.6, (190, 30, 32)), (1, CRIMSON)])
    for side in (1, -1):
        def at(x):
            return x if side == 1 else w - x
        cloud(c, at(8), 92, 14, GOLD, GOLD_DARK, flip=side == -1)
        cloud(c, at(150), 58, 9, GOLD, GOLD_DARK, flip=side == 1)
        for x, size, drop in [(38, 36, 8), (96, 28, 3), (148, 22, 12)]:
            lantern(c, at(x), drop, size, size * 1.04, string=drop + 1)
        sparkles(c, [(at(70), 72, 2.4), (at(186), 24, 2.0), (at(124), 84, 1.6)])
    c.rect(0, h - 4, w, h - 3, fill=rgba(GOLD, 230))
    c.rect(0, h - 2, w, h, fill=rgba(GOLD_DARK))
    shown = c.result()
    return shown.convert("RGB"), shown


PICTURES = {
    # resource name: (maker, file name)
    "BROWSER_HEADER": (header, "browser_header.jpg"),
    "QUIZ_BANNER_TOP": (banner_top, "quiz_banner_top.jpg"),
    "QUIZ_BANNER_BOTTOM": (banner_bottom, "quiz_banner_bottom.jpg"),
}

