"""The skin gallery's controls wear the skin under real input: a push
button shows its hot and pressed faces, clicks, and clicks from the
keyboard; check boxes and radio buttons clicked by hand show the skin's
glyphs of their new state; a track bar's thumb follows a drag; the skinned
edits take typing, the up-down buttons step their edit and the drop-down
combo box chooses by clicks."""
import unittest

from harness import GALLERY_CAPTION, Session, wait_until
from test_skin_frame import pixels

# A page's origin in the gallery's client area: below the 26-pixel tool
# bar and the tabs, inside the page control's border.
SHEET = (5, 47)
# Controls from the pages' layout (x, y, width, height on the page).
BUTTON = (16, 34, 110, 25)  # btnNormal, "普通按钮", focused at start
CHECK_UNCHECKED = (16, 34, 140, 17)
CHECK_CHECKED = (16, 58, 140, 17)
RADIO_UNCHECKED = (190, 34, 150, 17)  # rbFirst, "第一项"
RADIO_CHECKED = (190, 58, 150, 17)  # rbSecond
TRACK = (16, 128, 260, 40)  # tbHorizontal: 0 to 20, at 8
GLYPH = 15  # the glyph's columns at a box's left (the focus frame lies beyond)
EDIT = (100, 12, 160, 21)  # edNormal, "可以输入文字"
SPIN = (163, 132, 17, 21)  # udSpin, 42: at the right end of edSpin (80 wide), its buddy
DROP_DOWN = (380, 12, 160, 21)  # cbxDropDown: 选项 1 to 20, 选项 3 chosen
LIST_ITEM = 13  # height of an item of its open list


def screen_rect(s, rect, margin=0):
    ox, oy, _, _ = s.origin(GALLERY_CAPTION)
    x, y, w, h = rect
    return ox + SHEET[0] + x - margin, oy + SHEET[1] + y - margin, w + 2 * margin, h + 2 * margin


def crop(s, name, rect):
    return pixels(s.screenshot(name), *rect)


def glyph_box(s, rect):
    x, y, _, h = screen_rect(s, rect)
    return x, y, GLYPH, h


def open_gallery(s, page):
    """Waits for the gallery on that page with its skin settled."""
    if s.wait_window(GALLERY_CAPTION) is None:
        raise AssertionError("the gallery did not appear")
    if not wait_until(lambda: s.gallery_page() == page):
        raise AssertionError(f"the page {page} is not shown")
    if not s.settle(GALLERY_CAPTION):
        raise AssertionError("the gallery did not settle")


class GalleryControlsTest(unittest.TestCase):
    def button_faces(self, args, name):
        """The first push button at rest, hot and held down, and whether
        releasing it clicked it."""
        with Session(exe="skingallery.exe", args=args) as s:
            open_gallery(s, "按钮")
            x, y, w, h = screen_rect(s, BUTTON)
            area = (x - 2, y - 2, w + 4, h + 4)
            s.xdotool("mousemove", x + w + 200, y + 200)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            rest = crop(s, f"{name}-rest", area)
            s.xdotool("mousemove", x + w // 2 - 4, y + h // 2, "sleep", 0.05, "mousemove", x + w // 2, y + h // 2)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            hot = crop(s, f"{name}-hot", area)
            s.xdotool("mousedown", 1)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            pressed = crop(s, f"{name}-pressed", area)
            s.xdotool("mouseup", 1)
            clicked = wait_until(lambda: s.gallery_report() == "点击了“普通按钮”", timeout=5)
            return rest, hot, pressed, bool(clicked)

    def test_a_skinned_button_shows_hot_and_pressed_faces_and_clicks(self):
        rest, hot, pressed, clicked = self.button_faces([], "gallery-button-skinned")
        self.assertTrue(clicked, "releasing the skinned button did not click it")
        self.assertNotEqual(hot, rest, "hovering changed nothing")
        self.assertNotEqual(pressed, hot, "pressing changed nothing")
        plain_rest, _, _, plain_clicked = self.button_faces(["--unskinned"], "gallery-button-plain")
        self.assertTrue(plain_clicked)
        self.assertNotEqual(rest, plain_rest, "the skinned button looks like the platform's")

    def test_space_clicks_the_focused_skinned_button_and_a_press_let_go_elsewhere_does_not(self):
        with Session(exe="skingallery.exe") as s:
            open_gallery(s, "按钮")
            x, y, w, h = screen_rect(s, BUTTON)
            # Pressed, then let go beside it: focused, not clicked.
            s.xdotool("mousemove", x + w // 2, y + h // 2, "mousedown", 1, "mousemove", x + w + 150, y + h + 150,
                      "mouseup", 1)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            self.assertNotEqual(s.gallery_report(), "点击了“普通按钮”", "a press let go elsewhere clicked")
            s.key("space")
            self.assertTrue(wait_until(lambda: s.gallery_report() == "点击了“普通按钮”", timeout=5),
                            "Space did not click the focused button")

    def test_boxes_clicked_by_hand_show_the_skins_glyphs_of_their_new_state(self):
        with Session(exe="skingallery.exe", args=["--page", "2"]) as s:
            open_gallery(s, "选择")
            before = s.screenshot("gallery-choices-before")
            check_off, check_on = (pixels(before, *glyph_box(s, r)) for r in (CHECK_UNCHECKED, CHECK_CHECKED))
            radio_off, radio_on = (pixels(before, *glyph_box(s, r)) for r in (RADIO_UNCHECKED, RADIO_CHECKED))
            self.assertNotEqual(check_off, check_on)
            self.assertNotEqual(radio_off, radio_on)
            for rect, caption in ((CHECK_UNCHECKED, None), (RADIO_UNCHECKED, "第一项")):
                x, y, _, h = screen_rect(s, rect)
                report = s.gallery_report()
                s.click(x + 7, y + h // 2)
                self.assertTrue(wait_until(lambda: s.gallery_report() != report, timeout=5),
                                "the click was not reported")
                if caption:
                    self.assertEqual(s.gallery_report(), f"点击了“{caption}”")
            # Away from the boxes, so no hot face is left on them.
            s.xdotool("mousemove", x + 400, y + 250)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            after = s.screenshot("gallery-choices-after")
            self.assertEqual(pixels(after, *glyph_box(s, CHECK_UNCHECKED)), check_on,
                             "the clicked check box does not show the checked glyph")
            self.assertEqual(pixels(after, *glyph_box(s, RADIO_UNCHECKED)), radio_on,
                             "the clicked radio button does not show the checked glyph")
            self.assertEqual(pixels(after, *glyph_box(s, RADIO_CHECKED)), radio_off,
                             "the radio button of its group did not lose its check")

    def test_skinned_edits_take_typing_and_steps_and_the_drop_down_chooses_by_clicks(self):
        with Session(exe="skingallery.exe", args=["--page", "3"]) as s:
            open_gallery(s, "编辑")
            ox, oy, _, _ = s.origin(GALLERY_CAPTION)

            def click(x, y):
                s.click(ox + SHEET[0] + x, oy + SHEET[1] + y)

            click(EDIT[0] + EDIT[2] // 2, EDIT[1] + EDIT[3] // 2)
            s.key("End", "shift+Home", "BackSpace")
            s.type_text("灯下猜谜", GALLERY_CAPTION)
            self.assertTrue(wait_until(lambda: s.gallery_value("edNormal") == "灯下猜谜", 5),
                            f"typed: {s.gallery_value('edNormal')}")
            for _ in range(3):
                click(SPIN[0] + SPIN[2] // 2, SPIN[1] + 5)
                self.assertTrue(s.settle(GALLERY_CAPTION))
            self.assertTrue(wait_until(lambda: s.gallery_value("edSpin") == "45", 5),
                            f"stepped: {s.gallery_value('edSpin')}")
            click(DROP_DOWN[0] + DROP_DOWN[2] - 10, DROP_DOWN[1] + DROP_DOWN[3] // 2)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            s.screenshot("gallery-drop-down-open")
            click(DROP_DOWN[0] + 40, DROP_DOWN[1] + DROP_DOWN[3] + 4 * LIST_ITEM + LIST_ITEM // 2)
            self.assertTrue(wait_until(lambda: s.gallery_report() == "组合框：选项 5", 5),
                            f"chosen: {s.gallery_report()}")

    def test_a_skinned_track_bar_thumb_follows_a_drag(self):
        with Session(exe="skingallery.exe", args=["--page", "5"]) as s:
            open_gallery(s, "滑块")
            self.assertEqual(s.gallery_value("tbHorizontal"), "8")
            x, y, w, h = screen_rect(s, TRACK)
            area = (x, y, w, h)
            before = crop(s, "gallery-track-before", area)
            # The thumb's centre at a position on the channel (inset by half a
            # thumb at each end).  Dragged from 8 to 13: a press beside the
            # thumb would page by 2 and never reach an odd position.
            def at(position):
                return x + 13 + (w - 26) * position // 20

            s.xdotool("mousemove", at(8), y + 12, "mousedown", 1, "mousemove", at(8) + 10, y + 12, "sleep", 0.05,
                      "mousemove", at(13), y + 12, "sleep", 0.05, "mouseup", 1)
            self.assertTrue(wait_until(lambda: s.gallery_value("tbHorizontal") == "13", timeout=5),
                            f"the thumb did not follow the drag: {s.gallery_value('tbHorizontal')}")
            self.assertEqual(s.gallery_report(), "滑块：13")
            s.xdotool("mousemove", x + w // 2, y + h + 150)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            self.assertNotEqual(crop(s, "gallery-track-after", area), before, "the thumb was not drawn moved")


if __name__ == "__main__":
    unittest.main()
