"""The skinned scroll bar of the browser's grid under real input: the skin
draws it, its arrows, track and thumb scroll the current row as the
platform's bar does, the wheel still moves the row; the skinned memo of
the list window still takes typing; the gallery's list view header shows
hot and pressed sections and still clicks, a list box scrolls by its
skinned arrow, and a stand-alone scroll bar takes arrow clicks and thumb
drags through its overlay."""
import unittest

from harness import (BROWSER_BUTTONS, BROWSER_FIRST_ROW, BROWSER_GRID, GALLERY_CAPTION, LIST_CAPTION, LIST_MEMO,
                     MAIN_CAPTION, Session, wait_until)
from test_gallery_controls import crop, open_gallery, screen_rect

# The grid's vertical bar in the browser's client area: inside the grid's
# 2-pixel sunken border, at its right edge, one arrow (17 pixels) at each end.
EDGE, ARROW = 2, 17
GX, GY, GW, GH = BROWSER_GRID
BAR_X = GX + GW - EDGE - ARROW // 2 - 1
BAR_TOP, BAR_BOTTOM = GY + EDGE, GY + GH - EDGE
UP_ARROW = (BAR_X, BAR_TOP + ARROW // 2)
DOWN_ARROW = (BAR_X, BAR_BOTTOM - ARROW // 2 - 1)
# The skin's track colour (our skin's VertScroll, frame 1).
SKIN_TRACK = (0xF0, 0xE9, 0xDE)


class SkinnedScrollTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = Session().__enter__()
        if not cls.s.wait_ready(MAIN_CAPTION):
            cls.s.close()
            raise AssertionError("the browser window did not appear")

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def row(self):
        return self.s.grid()[0]

    def wait_row(self, condition, timeout=10):
        return wait_until(lambda: condition(self.row()), timeout)

    def screen(self, point):
        ox, oy, _, _ = self.s.origin(MAIN_CAPTION)
        return ox + point[0], oy + point[1]

    def to_first_row(self):
        self.s.press(MAIN_CAPTION, BROWSER_FIRST_ROW)
        self.s.key("ctrl+Home")
        self.assertTrue(self.wait_row(lambda r: r == 1), "the grid did not go to its first row")
        self.assertTrue(self.s.settle(MAIN_CAPTION))

    def test_bar_is_drawn_from_the_skin(self):
        self.to_first_row()
        x, y = self.screen((BAR_X, (BAR_TOP + BAR_BOTTOM) // 2))
        seen = self.s.wait_region((x, y, 1, 1), lambda p: p[0][0] == SKIN_TRACK, "skin-scroll-track")
        self.assertIsNotNone(seen, "the grid's scroll bar track is not the skin's")

    def test_arrows_and_track_move_the_current_row(self):
        self.to_first_row()
        count = self.s.grid()[1]
        self.assertGreater(count, 100, "the database should fill many pages")
        self.s.click(*self.screen(DOWN_ARROW))
        self.assertTrue(self.wait_row(lambda r: r == 2), f"down arrow: row {self.row()}")
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.s.click(*self.screen(UP_ARROW))
        self.assertTrue(self.wait_row(lambda r: r == 1), f"up arrow: row {self.row()}")
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        # The track below the thumb (which stands at the top): a page down.
        self.s.click(*self.screen((BAR_X, BAR_BOTTOM - ARROW - 4)))
        self.assertTrue(self.wait_row(lambda r: r > 5), f"track: row {self.row()}")

    def test_thumb_drag_moves_the_current_row_and_the_thumb(self):
        self.to_first_row()
        count = self.s.grid()[1]
        x, top = self.screen((BAR_X, BAR_TOP + ARROW + 2))
        column = (x, top, 1, BAR_BOTTOM - BAR_TOP - 2 * ARROW - 2)
        before = self.s.region(*column, "skin-scroll-before-drag")
        middle = top + (BAR_BOTTOM - BAR_TOP) // 2
        self.s.xdotool("mousemove", x, top, "sleep", 0.1, "mousedown", 1, "sleep", 0.2)
        for y in range(top + 20, middle + 1, 20):
            self.s.xdotool("mousemove", x, y, "sleep", 0.05)
        self.s.xdotool("mouseup", 1)
        moved = self.wait_row(lambda r: r > count // 4)
        self.assertTrue(moved, f"row {self.row()} of {count} after dragging the thumb half-way")
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        after = self.s.wait_region(column, lambda p: p != before, "skin-scroll-after-drag")
        self.assertIsNotNone(after, "the thumb was not drawn where it went")

    def test_wheel_still_moves_the_row(self):
        self.to_first_row()
        ox, oy = self.screen(BROWSER_FIRST_ROW)
        self.s.xdotool("mousemove", ox, oy + 40, "sleep", 0.1, "click", 5)
        self.assertTrue(self.wait_row(lambda r: r == 2), f"wheel down: row {self.row()}")
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.s.xdotool("click", 4)
        self.assertTrue(self.wait_row(lambda r: r == 1), f"wheel up: row {self.row()}")

    def test_typing_into_the_skinned_memo(self):
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["添加"])
        self.assertTrue(self.s.wait_window(LIST_CAPTION), "the list window did not open")
        self.s.press(LIST_CAPTION, LIST_MEMO)
        self.s.key("ctrl+End")
        self.s.type_text("灯谜", LIST_CAPTION)
        text = wait_until(lambda: "灯谜" in (self.s.controls(LIST_CAPTION)["Memo1"][2] or ""), timeout=10)
        self.assertTrue(text, "the typed text did not reach the memo")
        self.s.key("alt+F4")
        self.assertTrue(wait_until(lambda: not self.s.find_window(LIST_CAPTION), timeout=10))


# On the gallery's lists page: the report view's second header section
# (谜目, 100 pixels after the 200-pixel first one, inside the view's 2-pixel
# border), and the long list box's down arrow (above its horizontal bar).
HEADER_SECTION = (190 + 2 + 205, 26 + 4, 90, 12)
LIST_BOX = (16, 26, 150, 150)
LIST_BOX_DOWN = (16 + 150 - EDGE - ARROW // 2 - 1, 26 + 150 - EDGE - ARROW - ARROW // 2 - 1, 1, 1)
LIST_BOX_TEXT = (18, 28, 110, 110)


class GalleryListsTest(unittest.TestCase):
    def test_header_sections_hot_and_pressed_and_list_box_arrow(self):
        with Session(exe="skingallery.exe", args=["--page", "4"]) as s:
            open_gallery(s, "列表")
            x, y, w, h = screen_rect(s, HEADER_SECTION)
            s.xdotool("mousemove", x + w // 2, y + 200)
            self.assertTrue(s.settle(GALLERY_CAPTION))
            rest = crop(s, "gallery-header-rest", (x, y, w, h))
            s.xdotool("mousemove", x + w // 2 - 4, y + h // 2, "sleep", 0.05, "mousemove", x + w // 2, y + h // 2)
            hot = s.wait_region((x, y, w, h), lambda p: p != rest, "gallery-header-hot")
            self.assertIsNotNone(hot, "the section under the mouse did not turn hot")
            s.xdotool("mousedown", 1)
            pressed = s.wait_region((x, y, w, h), lambda p: p not in (rest, hot), "gallery-header-pressed")
            self.assertIsNotNone(pressed, "the section held down did not show pressed")
            s.xdotool("mouseup", 1)
            self.assertTrue(wait_until(lambda: s.gallery_report() == "点了列标题：谜目", timeout=5))

            text = screen_rect(s, LIST_BOX_TEXT)
            before = crop(s, "gallery-listbox-before", text)
            ax, ay, _, _ = screen_rect(s, LIST_BOX_DOWN)
            s.click(ax, ay)
            scrolled = s.wait_region(text, lambda p: p != before, "gallery-listbox-scrolled")
            self.assertIsNotNone(scrolled, "the list box did not scroll by its skinned arrow")


# The gallery's bars page: the horizontal TScrollBar (0 to 100, page 20, at 30).
H_SCROLL = (400, 26, 300, 17)


class GalleryScrollBarTest(unittest.TestCase):
    def test_stand_alone_bar_takes_arrow_clicks_and_thumb_drags(self):
        with Session(exe="skingallery.exe", args=["--page", "5"]) as s:
            open_gallery(s, "滑块")
            x, y, w, h = screen_rect(s, H_SCROLL)
            s.click(x + w - ARROW // 2, y + h // 2)
            self.assertTrue(wait_until(lambda: s.gallery_report() == "滚动条：31", timeout=5),
                            f"right arrow: {s.gallery_report()}")
            self.assertTrue(s.settle(GALLERY_CAPTION))
            # The thumb of position 31: a fifth of the track long, 31 % along it.
            thumb = x + ARROW + (w - 2 * ARROW) * 31 // 100 + (w - 2 * ARROW) // 10
            s.xdotool("mousemove", thumb, y + h // 2, "sleep", 0.1, "mousedown", 1, "sleep", 0.2)
            for dx in range(20, 101, 20):
                s.xdotool("mousemove", thumb + dx, y + h // 2, "sleep", 0.05)
            s.xdotool("mouseup", 1)

            def position():
                text = s.gallery_report() or ""
                return int(text.split("：")[1]) if text.startswith("滚动条：") else 0
            self.assertTrue(wait_until(lambda: position() > 50, timeout=5), f"thumb drag: {s.gallery_report()}")


if __name__ == "__main__":
    unittest.main()
