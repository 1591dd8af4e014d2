#!/usr/bin/env python3
"""art_make.py OUTDIR [--sheet]: writes the program's artwork into OUTDIR:
the header and banner JPEGs, the button glyphs as 24-bit BMPs, the icon
(16, 32 and 48 pixels) and the companion program's banner under the file names resources/yunqiao.rc names.
With --sheet it also writes contact_sheet.png: every picture as the windows
show it, the banners with their captions, and every glyph at its size and
enlarged, for review (the pictures as decoded from the stored JPEGs and
stretched to their shown size).
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

from art_glyphs import GLYPHS, glyph, icon_images
from art_pictures import BOTTOM_SHOWN, COMPANION_SHOWN, HEADER_SHOWN, PICTURES, TOP_SHOWN, companion_banner

JPEG_QUALITY = 92
FOOTER_CAPTION = "花灯映彩添雅趣，妙语藏机待君猜"  # also in resources/ArtText.h


def bmp_name(resource):
    return resource.lower() + ".bmp"


def write_art(out):
    os.makedirs(out, exist_ok=True)
    shown = {}
    for name, (make, file_name) in PICTURES.items():
        stored, on_screen = make()
        # 4:4:4 keeps red edges clean; the decoder stretches the picture anyway.
        path = os.path.join(out, file_name)
        stored.save(path, "JPEG", quality=JPEG_QUALITY, subsampling=0, optimize=True)
        # Reviewed as the window shows it: the stored JPEG stretched back.
        with Image.open(path) as saved:
            shown[name] = saved.convert("RGB").resize(on_screen.size, Image.LANCZOS)
    glyphs = {}
    for name, (draw, size, face) in GLYPHS.items():
        image = glyph(draw, size, face)
        image.save(os.path.join(out, bmp_name(name)), "BMP")
        glyphs[name] = (image, face)
    stored, shown["COMPANION_BANNER"] = companion_banner()
    stored.save(os.path.join(out, "companion_banner.bmp"), "BMP")
    icons = icon_images()
    icons[0].save(os.path.join(out, "yunqiao.ico"), "ICO", sizes=[(48, 48), (32, 32), (16, 16)],
                  append_images=icons[1:])
    return shown, glyphs, icons


def font(path, size, index=0):
    try:
        return ImageFont.truetype(path, size, index=index)
    except OSError:
        return ImageFont.load_default()


LISHU_STAND_IN = "/usr/share/fonts/truetype/lxgw-wenkai/LXGWWenKai-Bold.ttf"
KAITI = "/usr/share/fonts/truetype/arphic/ukai.ttc"
HEITI = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"


def centred(draw, box, text, face, colour):
    x0, y0, x1, y1 = box
    left, top, right, bottom = draw.textbbox((0, 0), text, font=face)
    draw.text((x0 + (x1 - x0 - (right - left)) / 2 - left, y0 + (y1 - y0 - (bottom - top)) / 2 - top), text,
              font=face, fill=colour)


def contact_sheet(shown, glyphs, icons, path):
    """All art on one page, with the texts the windows draw over it."""
    label = font(HEITI, 14)
    sheet = Image.new("RGB", (920, 1100), (236, 236, 240))
    d = ImageDraw.Draw(sheet)
    y = 10

    def title(text):
        nonlocal y
        d.text((10, y), text, font=label, fill=(40, 40, 40))
        y += 20

    title("浏览窗口页眉 (765 × 62 显示，678 × 62 存储) 与谜底标签")
    header = shown["BROWSER_HEADER"].convert("RGB")
    hd = ImageDraw.Draw(header)
    answer = "告"
    kai = font(KAITI, 24)
    right = 745 - 2  # the label's right edge in panel coordinates, the picture starts inside the border
    width = hd.textlength(answer, font=kai)
    hd.text((right - width, 24), answer, font=kai, fill=(255, 255, 255))
    sheet.paste(header, (10, y))
    y += HEADER_SHOWN[1] + 12

    title("答题窗口顶部横幅 (784 × 105) 与底部横幅 (784 × 38)，标题为隶书的替代字体")
    top = shown["QUIZ_BANNER_TOP"].convert("RGB")
    td = ImageDraw.Draw(top)
    centred(td, (0, 0, 784, 84), "云 樵 雅 集", font(LISHU_STAND_IN, 56), (255, 255, 255))
    centred(td, (0, 84, 784, 105), "1", font(LISHU_STAND_IN, 21), (255, 255, 255))
    sheet.paste(top, (10, y))
    y += TOP_SHOWN[1] + 8
    bottom = shown["QUIZ_BANNER_BOTTOM"].convert("RGB")
    bd = ImageDraw.Draw(bottom)
    centred(bd, (0, 0, 784, 38), FOOTER_CAPTION, font(LISHU_STAND_IN, 16), (255, 255, 255))
    sheet.paste(bottom, (10, y))
    y += BOTTOM_SHOWN[1] + 14

    title("灯谜知识程序的页头 (900 × 96)")
    companion = shown["COMPANION_BANNER"].convert("RGB")
    cd = ImageDraw.Draw(companion)
    centred(cd, (0, 10, 900, 62), "灯谜知识", font(KAITI, 38), (255, 255, 255))
    sheet.paste(companion, (10, y))
    y += COMPANION_SHOWN[1] + 14

    title("按钮图标：原大小与放大 4 倍（左下角像素为透明色）")
    x = 10
    row_top = y
    row_height = 0
    for name, (image, face) in glyphs.items():
        w, h = image.size
        big = image.resize((w * 4, h * 4), Image.NEAREST)
        tile = Image.new("RGB", (big.width + 8, big.height + h + 14), face)
        if x + max(tile.width, 110) > sheet.width:
            x = 10
            row_top += row_height
            row_height = 0
        tile.paste(image, (4, 4))
        tile.paste(big, (4, h + 10))
        sheet.paste(tile, (x, row_top))
        d.text((x, row_top + tile.height + 2), name.replace("GLYPH_", "").lower(), font=font(HEITI, 10),
               fill=(60, 60, 60))
        x += max(tile.width, 110) + 8
        row_height = max(row_height, tile.height + 20)
    y = row_top + row_height + 6

    title("程序图标 48 / 32 / 16")
    x = 10
    for image in icons:
        for background in ((255, 255, 255), (40, 70, 120)):
            tile = Image.new("RGB", (56, 56), background)
            tile.paste(image, ((56 - image.width) // 2, (56 - image.height) // 2), image)
            sheet.paste(tile, (x, y))
            x += 62
    sheet.save(path)


def main(argv):
    if len(argv) not in (2, 3) or (len(argv) == 3 and argv[2] != "--sheet"):
        sys.exit(__doc__)
    shown, glyphs, icons = write_art(argv[1])
    if len(argv) == 3:
        contact_sheet(shown, glyphs, icons, os.path.join(argv[1], "contact_sheet.png"))


if __name__ == "__main__":
    main(sys.argv)
