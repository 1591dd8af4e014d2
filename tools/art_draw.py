"""Drawing helpers shared by the art tools: a supersampled canvas in design
units, the festive palette, gradients, lanterns and auspicious clouds.

Everything is drawn on an RGBA canvas SCALE times larger than the design
size and reduced at the end, which gives smooth edges with PIL's plain
ImageDraw.  Coordinates given to the helpers are design units (floats).
"""
import math
import struct

from PIL import Image, ImageDraw, ImageFilter

# The palette: lantern reds, golds, night crimson, cloud and ink colours.
RED = (214, 32, 28)
RED_LIGHT = (246, 92, 52)
RED_DARK = (150, 14, 18)
CRIMSON = (122, 8, 16)
CRIMSON_DEEP = (78, 4, 12)
GOLD = (246, 196, 64)
GOLD_LIGHT = (255, 234, 150)
GOLD_DARK = (176, 112, 22)
ORANGE = (255, 148, 40)
INK = (58, 40, 36)
PAPER = (255, 248, 228)
JADE = (28, 140, 100)
BLUE = (36, 98, 190)
WHITE = (255, 255, 255)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def rgba(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


class Canvas:
    """An RGBA picture of design size w x h drawn at `scale` times."""

    def __init__(self, w, h, scale, background=(0, 0, 0, 0)):
        self.w, self.h, self.s = w, h, scale
        self.image = Image.new("RGBA", (round(w * scale), round(h * scale)), background)
        self.draw = ImageDraw.Draw(self.image)

    # -- coordinates -------------------------------------------------------
    def box(self, x0, y0, x1, y1):
        s = self.s
        return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]

    def pts(self, points):
        return [(x * self.s, y * self.s) for x, y in points]

    def width(self, w):
        return max(1, round(w * self.s))

    # -- shapes --------------------------------------------------------------
    def rect(self, x0, y0, x1, y1, fill=None, outline=None, line=1.0, radius=0.0):
        self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=radius * self.s, fill=fill,
                                    outline=outline, width=self.width(line) if outline else 0)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, line=1.0):
        self.draw.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                          width=self.width(line) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=None, line=1.0):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill, outline, line)

    def polygon(self, points, fill=None, outline=None, line=1.0):
        self.draw.polygon(self.pts(points), fill=fill)
        if outline:
            self.lines(points + points[:1], outline, line)

    def lines(self, points, fill, line=1.0):
        self.draw.line(self.pts(points), fill=fill, width=self.width(line), joint="curve")
        r = line / 2
        for x, y in (points[0], points[-1]):  # round caps
            self.circle(x, y, r, fill=fill)

    def arc(self, cx, cy, rx, ry, start, end, fill, line=1.0):
        self.draw.arc(self.box(cx - rx, cy - ry, cx + rx, cy + ry), start, end, fill=fill,
                      width=self.width(line))

    def layer(self):
        """A transparent canvas of the same size, to composite later."""
        return Canvas(self.w, self.h, self.s)

    def paste(self, other, opacity=1.0, blur=0.0):
        picture = other.image
        if blur:
            picture = picture.filter(ImageFilter.GaussianBlur(blur * self.s))
        if opacity < 1.0:
            alpha = picture.getchannel("A").point(lambda a: int(a * opacity))
            picture = picture.copy()
            picture.putalpha(alpha)
        self.image.alpha_composite(picture)

    # -- fills -----------------------------------------------------------------
    def vertical_gradient(self, stops, x0=0, y0=0, x1=None, y1=None):
        """Fills a box top to bottom through colour stops [(t, colour), ...]."""
        x1 = self.w if x1 is None else x1
        y1 = self.h if y1 is None else y1
        top, bottom = round(y0 * self.s), round(y1 * self.s)
        for y in range(top, bottom):
            t = (y - top) / max(1, bottom - top - 1)
            self.draw.line([(x0 * self.s, y), (x1 * self.s - 1, y)], fill=rgba(gradient_at(stops, t)))

    def radial_glow(self, cx, cy, rx, ry, colour, alpha=255, steps=40):
        glow = self.layer()
        for i in range(steps, 0, -1):
            t = i / steps
            a = int(alpha * (1 - t) ** 1.6)
            glow.ellipse(cx - rx * t, cy - ry * t, cx + rx * t, cy + ry * t, fill=rgba(colour, a))
        self.paste(glow)

    # -- results ---------------------------------------------------------------
    def result(self, size=None):
        size = size or (round(self.w), round(self.h))
        return self.image.resize(size, Image.LANCZOS)


def gradient_at(stops, t):
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, 0 if t1 == t0 else (t - t0) / (t1 - t0))
    return stops[-1][1]


def lantern(c, cx, top, w, h, string=0.0, tassel=True, glow=True, ribs=True, outline=None, detail=1.0):
    """A round palace lantern: body w x h centred on cx below `top`, gold caps,
    an optional string of length `string` above and a tassel below."""
    cap_h = h * 0.12
    cap_w = w * 0.48
    body_top = top + cap_h * 0.6
    body_bottom = top + h - cap_h * 0.6
    line = max(0.6, w * 0.035) * detail
    if string:
        c.lines([(cx, top - string), (cx, top + 1)], rgba(GOLD_DARK), max(0.5, w * 0.03))
    if glow:
        c.radial_glow(cx, (body_top + body_bottom) / 2, w * 1.1, h * 0.95, ORANGE, alpha=110)
    # body with a warm light from inside
    c.ellipse(cx - w / 2, body_top, cx + w / 2, body_bottom, fill=rgba(RED_DARK))
    inner = c.layer()
    steps = 16
    for i in range(steps, 0, -1):
        t = i / steps
        colour = mix(RED_LIGHT, RED, t ** 0.8)
        inner.ellipse(cx - w / 2 * t * 0.96, body_top + (body_bottom - body_top) * (0.5 - 0.48 * t),
                      cx + w / 2 * t * 0.96, body_top + (body_bottom - body_top) * (0.5 + 0.48 * t),
                      fill=rgba(colour))
    c.paste(inner)
    if ribs:
        for k in (0.33, 0.66):
            rx = w / 2 * k
            c.arc(cx, (body_top + body_bottom) / 2, rx, (body_bottom - body_top) / 2, 90, 270,
                  rgba(RED_DARK, 200), line)
            c.arc(cx, (body_top + body_bottom) / 2, rx, (body_bottom - body_top) / 2, 270, 90,
                  rgba(RED_DARK, 200), line)
        c.lines([(cx, body_top + 0.5), (cx, body_bottom - 0.5)], rgba(RED_DARK, 200), line)
    if outline:
        c.ellipse(cx - w / 2, body_top, cx + w / 2, body_bottom, outline=rgba(outline), line=line)
    # caps
    for y in (top, top + h - cap_h):
        c.rect(cx - cap_w / 2, y, cx + cap_w / 2, y + cap_h, fill=rgba(GOLD), radius=cap_h * 0.3)
        c.rect(cx - cap_w / 2, y + cap_h * 0.55, cx + cap_w / 2, y + cap_h, fill=rgba(GOLD_DARK, 150),
               radius=cap_h * 0.3)
    if tassel:
        t_top = top + h
        t_len = h * 0.42
        c.lines([(cx, t_top), (cx, t_top + t_len * 0.25)], rgba(GOLD), max(0.5, w * 0.05))
        c.circle(cx, t_top + t_len * 0.28, w * 0.07, fill=rgba(GOLD))
        for dx in (-0.09, -0.03, 0.03, 0.09):
            c.lines([(cx + dx * w * 0.4, t_top + t_len * 0.32), (cx + dx * w, t_top + t_len)],
                    rgba(RED, 255), max(0.5, w * 0.035))


def cloud(c, x, y, size, colour, line_colour=None, flip=False, alpha=255):
    """An auspicious cloud (xiangyun): a long rounded tail with curled heads.
    (x, y) is the left end of its base line; `size` its height."""
    layer = c.layer()
    d = -1 if flip else 1
    r = size / 2

    def px(u):
        return x + d * u

    # heads: three curls of decreasing size, and the tail
    heads = [(1.2 * r, -1.0 * r, 1.0 * r), (2.6 * r, -1.3 * r, 1.25 * r), (4.0 * r, -0.9 * r, 0.9 * r)]
    layer.rect(min(px(0.2 * r), px(5.8 * r)), y - 0.9 * r, max(px(0.2 * r), px(5.8 * r)), y,
               fill=rgba(colour, alpha), radius=0.45 * r)
    for u, v, rr in heads:
        layer.circle(px(u), y + v, rr, fill=rgba(colour, alpha))
    # the curls: spiral lines inside each head
    if line_colour:
        lw = max(0.5, size * 0.07)
        for u, v, rr in heads:
            cx, cy = px(u), y + v
            points = []
            for i in range(0, 61):
                a = i / 60 * 1.6 * math.pi
                rad = rr * (0.72 - 0.5 * i / 60)
                points.append((cx + d * rad * math.cos(a + math.pi), cy - rad * math.sin(a + math.pi)))
            layer.lines(points, rgba(line_colour, alpha), lw)
        layer.lines([(px(0.6 * r), y - 0.25 * r), (px(5.6 * r), y - 0.25 * r)], rgba(line_colour, alpha), lw)
    c.paste(layer)


def monochrome_cursor(pattern, origin, hotspot):
    """A 32 x 32 monochrome .cur from rows of "X" (black), "o" (white) and
    "." (transparent) placed at `origin`; AND mask 1 = transparent, XOR 1 =
    white."""
    n = 32
    xor = [[0] * n for _ in range(n)]
    and_ = [[1] * n for _ in range(n)]
    for y, row in enumerate(pattern):
        for x, ch in enumerate(row):
            if ch == ".":
                continue
            px, py = x + origin[0], y + origin[1]
            and_[py][px] = 0
            xor[py][px] = 1 if ch == "o" else 0

    def rows(mask):  # bottom-up, 4 bytes a row
        out = b""
        for row in reversed(mask):
            bits = 0
            for v in row:
                bits = bits << 1 | v
            out += bits.to_bytes(4, "big")
        return out

    image = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 1, 0, 2 * n * 4, 0, 0, 2, 0)
    image += bytes([0, 0, 0, 0, 255, 255, 255, 0]) + rows(xor) + rows(and_)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", n, n, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return header + entry + image
