"""The skinned menu bar of the skin gallery under real input: a click on a
title opens its drop-down and a chosen item runs; the mouse and Left/Right
move along the bar while a drop-down is open; Alt with a title's letter
opens it; Alt alone, then arrows and Enter, reach an item; in the MDI
frame a maximised child's buttons in the bar restore and close it, and its
icon there opens its system menu."""
import unittest

from harness import GALLERY_CAPTION, Session, pixels, wait_until

CAPTION_HEIGHT = 27       # the stored skin's caption strip above the bar
BORDER = 7                # its side borders
MDI_CAPTION = "多文档框架"
MDI_BUTTON_OFFSETS = {"restore": 44, "close": 22}  # from the frame's right edge to a button's middle
ICON_OFFSET = 14          # from the bar's left end to the middle of a maximised child's icon


def bar_of(s, caption, wid):
    """(y of the bar's middle, [(left, right) of each title's text]) on the
    screen: the bar lies between the caption strip and the client area; the
    titles are the runs of dark caption text in it, ten pixels apart at
    least."""
    g = s.window_geometry(wid)
    _, oy, _, _ = s.origin(caption)
    top = g["Y"] + CAPTION_HEIGHT
    height = oy - top
    left = g["X"] + BORDER
    rows = pixels(s.screenshot("menubar"), left, top, g["WIDTH"] - 2 * BORDER, height)
    dark = [any(sum(row[x]) < 300 for row in rows) for x in range(len(rows[0]))]
    bands, start, gap = [], None, 0
    for x, d in enumerate(dark + [False] * 9):
        if d:
            start = x if start is None else start
            gap = 0
        elif start is not None:
            gap += 1
            if gap >= 8:
                bands.append((left + start, left + x - gap))
                start, gap = None, 0
    return top + height // 2, bands


class GalleryMenuBarTest(unittest.TestCase):
    def start(self, s):
        wid = s.wait_ready(GALLERY_CAPTION)
        self.assertTrue(wid, "the gallery did not appear")
        self.assertTrue(s.wait_focus(GALLERY_CAPTION))
        y, titles = bar_of(s, GALLERY_CAPTION, wid)
        self.assertEqual(len(titles), 4, "文件, 页面, 窗口, 帮助")
        return y, titles

    def assert_dropped_under(self, s, title, why):
        """The open drop-down hangs from the title: its left edge within the
        title's padding."""
        def probe():
            g = s.wait_popup(timeout=1)
            return g if g and title[0] - 8 <= g["X"] <= title[0] else None
        self.assertTrue(wait_until(probe, timeout=5), why)

    def assert_no_drop_down(self, s, why):
        self.assertTrue(wait_until(lambda: not s.wait_popup(timeout=0.2), timeout=5), why)

    def test_a_click_opens_a_drop_down_and_its_item_runs(self):
        with Session(exe="skingallery.exe") as s:
            y, titles = self.start(s)
            s.click((titles[0][0] + titles[0][1]) // 2, y)
            self.assert_dropped_under(s, titles[0], "文件 drops down")
            s.click((titles[0][0] + titles[0][1]) // 2, y)
            s.settle(GALLERY_CAPTION)
            self.assert_no_drop_down(s, "a second click on the title closes it")
            s.click((titles[0][0] + titles[0][1]) // 2, y)
            self.assert_dropped_under(s, titles[0], "a third opens it again")
            # 打开皮肤, 重新载入皮肤, 启用皮肤, a line, 退出: the second.
            self.assertTrue(s.choose_from_popup(1, 5))
            self.assertTrue(wait_until(lambda: s.gallery_report() == "内置皮肤不用重新载入", timeout=10))
            self.assert_no_drop_down(s, "the menu closed")

    def test_the_mouse_and_the_arrows_move_along_the_bar(self):
        with Session(exe="skingallery.exe") as s:
            y, titles = self.start(s)
            s.click((titles[0][0] + titles[0][1]) // 2, y)
            self.assert_dropped_under(s, titles[0], "文件 drops down")
            s.xdotool("mousemove", (titles[1][0] + titles[1][1]) // 2, y)
            self.assert_dropped_under(s, titles[1], "hovering 页面 drops it down instead")
            s.key("Right")
            self.assert_dropped_under(s, titles[2], "Right moves on to 窗口")
            s.key("Left")
            s.key("Left")
            self.assert_dropped_under(s, titles[0], "Left twice goes back to 文件")
            s.key("Left")
            self.assert_dropped_under(s, titles[3], "Left from the first wraps to 帮助")
            s.key("Escape")
            self.assert_no_drop_down(s, "Escape closes it")

    def test_alt_with_a_letter_and_alt_alone_open_drop_downs(self):
        with Session(exe="skingallery.exe") as s:
            y, titles = self.start(s)
            s.key("alt+h")
            self.assert_dropped_under(s, titles[3], "Alt+H drops 帮助 down")
            s.key("Escape")
            self.assert_no_drop_down(s, "Escape closes it")
            s.key("alt+p")
            self.assert_dropped_under(s, titles[1], "Alt+P drops 页面 down")
            s.key("Escape")
            self.assert_no_drop_down(s, "Escape closes it")
            # Alt alone: the bar takes the keys.  Right to 页面, Enter opens
            # it with its first page selected, three down is the fourth.
            s.key("alt")
            s.settle(GALLERY_CAPTION)
            s.key("Right")
            s.key("Return")
            self.assert_dropped_under(s, titles[1], "Enter drops 页面 down")
            s.key("Down", "Down", "Down", "Return")
            self.assertTrue(wait_until(lambda: s.gallery_page() == "列表", timeout=10))

    def test_a_maximised_mdi_childs_buttons_and_icon_in_the_bar_work(self):
        with Session(exe="skingallery.exe") as s:
            self.start(s)
            s.key("alt+w")
            s.key("Return")  # 新的子窗口: the frame opens with its three and a fourth
            frame = s.wait_ready(MDI_CAPTION)
            self.assertTrue(frame, "the MDI frame did not appear")
            child = "子窗口 4"

            def state():
                return (s.inspect("--state", child) or "").split(" ")[0]

            def maximise():
                cx, cy, _, _ = s.origin(child)
                s.xdotool("mousemove", cx + 100, cy - 13, "click", "--repeat", "2", "--delay", "80", "1")
                self.assertTrue(wait_until(lambda: state() == "maximized", timeout=10), "maximised")
                s.settle(MDI_CAPTION)

            # The bar's middle, found while the frame keeps its own caption (a
            # maximised child adds its caption to it).
            g = s.window_geometry(frame)
            _, oy, _, _ = s.origin(MDI_CAPTION)
            bar_y = (g["Y"] + CAPTION_HEIGHT + oy) // 2

            def press(button):
                s.click(g["X"] + g["WIDTH"] - MDI_BUTTON_OFFSETS[button], bar_y)

            self.assertEqual(state(), "normal")
            maximise()
            press("restore")
            self.assertTrue(wait_until(lambda: state() == "normal", timeout=10), "restored")
            # The child's icon heads the bar and opens its system menu.
            maximise()
            s.click(g["X"] + BORDER + ICON_OFFSET, bar_y)
            self.assertTrue(s.wait_popup(), "the child's system menu opens")
            s.key("Down", "Return")  # its first item: Restore
            self.assertTrue(wait_until(lambda: state() == "normal", timeout=10), "restored from its menu")
            maximise()
            press("close")
            self.assertTrue(wait_until(lambda: state() == "", timeout=10), "closed")
            # With a child's memo in the focus, Alt+W is the frame's bar's.
            s.key("alt+w")
            popup = s.wait_popup()
            self.assertTrue(popup and popup["Y"] < bar_y + 20, "the frame's 窗口 drops down")


if __name__ == "__main__":
    unittest.main()
