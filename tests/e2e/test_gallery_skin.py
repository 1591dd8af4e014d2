"""The skin gallery started with the second skin of the installation folder
(skins/ink-gold.skn) wears that skin's frame: thinner borders, a taller
caption in ink instead of lantern red, rounder transparent corners."""
import unittest

from harness import GALLERY_CAPTION, Session, pixels
from test_skin_frame import MAGENTA

INK_GOLD = r"skins\ink-gold.skn"


def frame_of(args, name):
    """Borders (left, right, bottom, window height less client height), the
    caption's colour at its top middle and the colour two pixels into the
    top-left corner, with the colour just outside that corner."""
    with Session(exe="skingallery.exe", args=args) as s:
        wid = s.wait_ready(GALLERY_CAPTION)
        if not wid:
            raise AssertionError(f"the gallery did not appear with {args}")
        g = s.window_geometry(wid)
        ox, oy, w, h = s.origin(GALLERY_CAPTION)
        shot = s.screenshot(name)
        x, y = g["X"], g["Y"]
        return {
            "left": ox - x,
            "right": x + g["WIDTH"] - (ox + w),
            "bottom": y + g["HEIGHT"] - (oy + h),
            "top": oy - y,
            "caption": pixels(shot, x + g["WIDTH"] // 2, y + 2, 1, 1)[0][0],
            "corner": pixels(shot, x + 2, y + 2, 1, 1)[0][0],
            "behind": pixels(shot, max(0, x - 2), max(0, y - 2), 1, 1)[0][0],
        }


class GallerySkinFileTest(unittest.TestCase):
    def test_the_second_skin_file_changes_the_borders_caption_and_corners(self):
        stored = frame_of([], "gallery-stored-skin")
        ink = frame_of([INK_GOLD], "gallery-ink-gold-skin")
        self.assertEqual((stored["left"], stored["right"], stored["bottom"]), (7, 7, 7))
        self.assertEqual((ink["left"], ink["right"], ink["bottom"]), (5, 5, 5))
        # The top holds the caption and the menu bar: 3 pixels more caption.
        self.assertEqual(ink["top"] - stored["top"], 3)
        r, g, b = stored["caption"]
        self.assertTrue(r > 0xA0 and r > b + 0x40, f"lantern red caption, not {stored['caption']}")
        r, g, b = ink["caption"]
        self.assertTrue(max(r, g, b) < 0x50, f"ink caption, not {ink['caption']}")
        # Two pixels in, the stored skin's corner is drawn; the ink skin's
        # rounder corner is cut away and shows what lies behind.
        self.assertNotEqual(ink["corner"], MAGENTA)
        self.assertNotEqual(stored["corner"], stored["behind"])
        self.assertEqual(ink["corner"], ink["behind"])


if __name__ == "__main__":
    unittest.main()
