"""The skin gallery's controls wear the skin under real input: a push
button shows its hot and pressed faces and still clicks; a check box
clicked by hand shows the skin's checked glyph, the one a checked box
beside it shows."""
import time
import unittest

from harness import GALLERY_CAPTION, Session, wait_until
from test_skin_frame import pixels

# A page's origin in the gallery's client area: below the 26-pixel tool
# bar and the tabs, inside the page control's border.
SHEET = (5, 47)
# The first push button (btnNormal, 110 x 25) and the first two check
# boxes (140 x 17, 24 pixels apart), from the pages' layout.
BUTTON = (16, 34, 110, 25)
CHECK_UNCHECKED = (16, 34, 140, 17)
CHECK_CHECKED = (16, 58, 140, 17)
GLYPH = 15  # the box glyph's columns at the check box's left (the focus frame lies beyond)


def screen_rect(s, rect, margin=0):
    ox, oy, _, _ = s.origin(GALLERY_CAPTION)
    x, y, w, h = rect
    return ox + SHEET[0] + x - margin, oy + SHEET[1] + y - margin, w + 2 * margin, h + 2 * margin


def crop(s, name, rect):
    return pixels(s.screenshot(name), *rect)


def status_bar(s, name):
    """The status bar's pixels (the gallery reports every click there)."""
    ox, oy, w, h = s.origin(GALLERY_CAPTION)
    return crop(s, name, (ox, oy + h - 22, w, 22))


class GalleryControlsTest(unittest.TestCase):
    def button_faces(self, args, name):
        """The first push button at rest, hot and held down, and whether
        releasing it clicked it."""
        with Session(exe="skingallery.exe", args=args) as s:
            self.assertIsNotNone(s.wait_window(GALLERY_CAPTION), "the gallery did not appear")
            time.sleep(1.0)
            x, y, w, h = screen_rect(s, BUTTON)
            area = (x - 2, y - 2, w + 4, h + 4)
            s.xdotool("mousemove", x + w + 200, y + 200)
            time.sleep(0.5)
            rest = crop(s, f"{name}-rest", area)
            s.xdotool("mousemove", x + w // 2 - 4, y + h // 2, "sleep", 0.05, "mousemove", x + w // 2, y + h // 2)
            time.sleep(0.5)
            hot = crop(s, f"{name}-hot", area)
            s.xdotool("mousedown", 1)
            time.sleep(0.5)
            pressed = crop(s, f"{name}-pressed", area)
            status = status_bar(s, f"{name}-status")
            s.xdotool("mouseup", 1)
            clicked = wait_until(lambda: status_bar(s, f"{name}-status") != status, timeout=5)
            return rest, hot, pressed, bool(clicked)

    def test_a_skinned_button_shows_hot_and_pressed_faces_and_clicks(self):
        rest, hot, pressed, clicked = self.button_faces([], "gallery-button-skinned")
        self.assertTrue(clicked, "releasing the skinned button did not click it")
        self.assertNotEqual(hot, rest, "hovering changed nothing")
        self.assertNotEqual(pressed, hot, "pressing changed nothing")
        plain_rest, _, _, plain_clicked = self.button_faces(["--unskinned"], "gallery-button-plain")
        self.assertTrue(plain_clicked)
        self.assertNotEqual(rest, plain_rest, "the skinned button looks like the platform's")

    def test_a_check_box_clicked_by_hand_shows_the_skins_checked_glyph(self):
        with Session(exe="skingallery.exe", args=["--page", "2"]) as s:
            self.assertIsNotNone(s.wait_window(GALLERY_CAPTION), "the gallery did not appear")
            self.assertTrue(wait_until(lambda: s.gallery_page() == "选择"), "the choices page is not shown")
            time.sleep(1.0)
            ux, uy, _, uh = screen_rect(s, CHECK_UNCHECKED)
            cx, cy, _, ch = screen_rect(s, CHECK_CHECKED)
            unchecked = crop(s, "gallery-check-before", (ux, uy, GLYPH, uh))
            checked = crop(s, "gallery-check-before", (cx, cy, GLYPH, ch))
            self.assertNotEqual(unchecked, checked)
            status = status_bar(s, "gallery-check-status")
            s.click(ux + 7, uy + uh // 2)
            self.assertTrue(wait_until(lambda: status_bar(s, "gallery-check-status") != status, timeout=5),
                            "the click was not reported")
            s.xdotool("mousemove", ux + 300, uy + 200)
            time.sleep(0.5)
            now = crop(s, "gallery-check-after", (ux, uy, GLYPH, uh))
            self.assertEqual(now, checked, "the clicked box does not show the checked glyph")


if __name__ == "__main__":
    unittest.main()
