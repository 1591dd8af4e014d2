"""Dragging category items in the browser's bar with the mouse button held:
within a group (with the drop marker on the screen), into another group by
resting on its caption, copying with Ctrl, cancelling with Esc, dropping on
the grid (which refuses), and the list scrolling while the pointer rests at
its bottom edge.  The category file is never written.  One program session
serves the whole class; every test reads the lists' order before it
drags."""
import hashlib
import os
import subprocess
import sys
import unittest

from harness import (BROWSER_BAR, BROWSER_BAR_LIST, BROWSER_GRID, MAIN_CAPTION, TOOLS, Session,
                     install_fixture, navy_bands, wait_until)

# The first group holds more items than its list shows, so that it scrolls.
CATEGORIES = """[setup]
zici=打一字 成语 字谜 词语 俗语 歇后语 诗句 典故 称谓 用品 食品 花卉
wenhua=词牌
yishu=
dimin=地名 国名
renmin=
daige=
"""
GROUPS = 6
CAPTION_HEIGHT = 32  # 黑体 16: twice the font height, no button space
BAR_X, BAR_Y, BAR_W, BAR_H = BROWSER_BAR
LIST_X, LIST_Y, LIST_W, LIST_H = BROWSER_BAR_LIST


def prepare(folder):
    install_fixture(folder)
    source = os.path.join(folder, "categories.txt")
    with open(source, "w", encoding="utf-8") as f:
        f.write(CATEGORIES)
    subprocess.run([sys.executable, os.path.join(TOOLS, "gbktext.py"), source, os.path.join(folder, "sk2.skn")],
                   check=True)
    os.remove(source)


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class BarDragTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = Session(prepare=prepare).__enter__()
        if not cls.s.wait_ready(MAIN_CAPTION):
            cls.s.close()
            raise AssertionError("the browser window did not appear")
        cls.sk2 = digest(os.path.join(cls.s.folder, "sk2.skn"))
        cls.ox, cls.oy, _, _ = cls.s.origin(MAIN_CAPTION)

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def setUp(self):
        self.shot = 0
        self.open_group(0)
        # Back to the top of the first list (an earlier drag may have
        # scrolled it): the wheel, one notch scrolling three items.
        x, y, w, h = self.list_area(0)
        self.s.xdotool("mousemove", x + 20, y + h // 2, "sleep", 0.1, "click", "--repeat", 6, "--delay", 50, 4)
        self.assertTrue(self.s.settle(MAIN_CAPTION))

    def tearDown(self):
        self.assertEqual(digest(os.path.join(self.s.folder, "sk2.skn")), self.sk2)

    # -- reading the bar ------------------------------------------------------
    def lists(self):
        """The items of the six lists, in order."""
        rows = self.s.control_list(MAIN_CAPTION) or []
        return [text.split("\t") if text else [] for cls, _, _, text in rows if cls == "TDCOutBarVertListView"]

    def open_index(self):
        rows = self.s.control_list(MAIN_CAPTION) or []
        shown = [visible for cls, _, visible, _ in rows if cls == "TDCOutBarGroup"]
        return shown.index(True) if True in shown else -1

    def caption_point(self, group, open_group):
        """The middle of a group's caption on the screen."""
        inner_top, inner_bottom = BAR_Y + 1, BAR_Y + BAR_H - 1
        if group <= open_group:
            y = inner_top + CAPTION_HEIGHT * group + CAPTION_HEIGHT // 2
        else:
            y = inner_bottom - CAPTION_HEIGHT * (GROUPS - group) + CAPTION_HEIGHT // 2
        return self.ox + BAR_X + BAR_W // 2, self.oy + y

    def list_area(self, group):
        """(x, y, w, h) of the open group's list on the screen."""
        return self.ox + LIST_X, self.oy + LIST_Y + CAPTION_HEIGHT * group, LIST_W, LIST_H

    def screen(self):
        self.shot += 1
        return self.s.screenshot(f"bar-drag-{self._testMethodName}-{self.shot}")

    def bands(self, group=0):
        """Screen rectangles of the item captions the open list shows."""
        return navy_bands(self.screen(), *self.list_area(group))

    def open_group(self, group):
        if self.open_index() == group:
            return
        self.s.click(*self.caption_point(group, self.open_index()))
        self.assertTrue(wait_until(lambda: self.open_index() == group, timeout=10))
        # The group slides open within the click's handling.
        self.assertTrue(self.s.settle(MAIN_CAPTION))

    # -- the mouse -------------------------------------------------------------
    def press(self, point):
        """Presses on a point and moves 10 pixels down: the drag starts."""
        x, y = point
        self.s.xdotool("mousemove", x, y, "sleep", 0.1, "mousedown", 1, "sleep", 0.1,
                       "mousemove", x, y + 5, "sleep", 0.05, "mousemove", x, y + 10, "sleep", 0.1)

    def move(self, x, y):
        # Two steps, so that the list sees the pointer arrive.
        self.s.xdotool("mousemove", x, y - 2, "sleep", 0.05, "mousemove", x, y, "sleep", 0.1)

    def release(self):
        self.s.xdotool("mouseup", 1)

    @staticmethod
    def middle(band):
        left, top, right, bottom = band
        return (left + right) // 2, (top + bottom) // 2

    @staticmethod
    def gap(bands, k):
        """The middle of the gap above item k of the shown bands."""
        return bands[k][0] + 10, (bands[k - 1][3] + bands[k][1]) // 2

    def dark_row(self, shot, x, y, w, h):
        """The rows of the region with a line of at least w - 10 dark
        pixels: the drop marker (DragPlaceColor black)."""
        raw = subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "gray:-"],
                             capture_output=True, check=True).stdout
        rows = [raw[r * w:(r + 1) * w] for r in range(h)]
        return [y + r for r, row in enumerate(rows) if sum(1 for v in row if v < 0x30) >= w - 10]

    # -- the tests ---------------------------------------------------------------
    def test_a_drag_within_the_group_marks_the_gap_and_moves_the_item(self):
        before = self.lists()
        bands = self.bands()
        gx, gy = self.gap(bands, 2)
        self.assertEqual(self.dark_row(self.screen(), gx, gy - 6, 120, 13), [])
        self.press(self.middle(bands[0]))
        self.move(gx, gy)
        # The marker: a dark line across the list in the gap, drawn once the
        # list has painted.
        rows = wait_until(lambda: self.dark_row(self.screen(), gx, gy - 6, 120, 13), timeout=5)
        self.assertTrue(rows, "no drop marker in the gap")
        self.release()
        expected = [before[0][1], before[0][0]] + before[0][2:]
        self.assertTrue(wait_until(lambda: self.lists()[0] == expected, timeout=5), self.lists()[0])
        self.assertEqual(self.lists()[1:], before[1:])
        self.assertEqual(self.dark_row(self.screen(), gx, gy - 6, 120, 13), [])

    def test_resting_on_another_caption_opens_that_group_and_the_item_lands_there(self):
        before = self.lists()
        bands = self.bands()
        item = before[0][0]
        self.press(self.middle(bands[0]))
        self.move(*self.caption_point(1, 0))
        self.assertTrue(wait_until(lambda: self.open_index() == 1, timeout=5), "group 1 did not open")
        # Below the last item of the newly opened list: appended there.
        x, y, w, h = self.list_area(1)
        target = navy_bands(self.screen(), x, y, w, h)
        self.move(x + 30, target[-1][3] + 12)
        self.move(x + 30, target[-1][3] + 14)
        self.release()
        self.assertTrue(wait_until(lambda: self.lists()[1] == before[1] + [item], timeout=5), self.lists())
        self.assertEqual(self.lists()[0], before[0][1:])

    def test_ctrl_copies_the_item(self):
        before = self.lists()
        bands = self.bands()
        self.press(self.middle(bands[1]))
        self.move(*self.gap(bands, 3))
        self.s.xdotool("keydown", "ctrl")
        # The list reads Ctrl with the next move, once the key is in.
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.move(*self.gap(bands, 3))
        self.release()
        self.s.xdotool("keyup", "ctrl")
        expected = before[0][:3] + [before[0][1]] + before[0][3:]
        self.assertTrue(wait_until(lambda: self.lists()[0] == expected, timeout=5), self.lists()[0])

    def test_escape_cancels_and_nothing_changes(self):
        before = self.lists()
        bands = self.bands()
        self.press(self.middle(bands[0]))
        gx, gy = self.gap(bands, 3)
        self.move(gx, gy)
        self.assertTrue(wait_until(lambda: self.dark_row(self.screen(), gx, gy - 6, 120, 13), timeout=5))
        self.s.key("Escape")
        # The marker goes at once; the release afterwards drops nothing.
        self.assertTrue(wait_until(lambda: not self.dark_row(self.screen(), gx, gy - 6, 120, 13), timeout=5))
        self.release()
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.assertEqual(self.lists(), before)

    def test_a_drop_on_the_grid_changes_nothing(self):
        before = self.lists()
        bands = self.bands()
        self.press(self.middle(bands[0]))
        gx, gy, gw, gh = BROWSER_GRID
        self.move(self.ox + gx + gw // 2, self.oy + gy + gh // 2)
        self.release()
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.assertEqual(self.lists(), before)

    def test_resting_near_the_bottom_edge_scrolls_the_list(self):
        before = self.lists()
        bands = self.bands()
        self.assertLess(len(bands), len(before[0]), "the first list should not show all its items")
        x, y, w, h = self.list_area(0)
        self.press(self.middle(bands[0]))
        # Within 10 pixels of the bottom edge, left of the arrow buttons.
        self.move(x + 20, y + h - 4)
        # The captions' widths, top to bottom, tell which items show.
        shown = lambda bs: [right - left for left, _, right, _ in bs]
        scrolled = wait_until(lambda: shown(navy_bands(self.screen(), x, y, w, h)) != shown(bands), timeout=5,
                              interval=0.1)
        self.assertTrue(scrolled, "the list did not scroll")
        self.s.key("Escape")
        self.release()
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.assertEqual(self.lists(), before)


if __name__ == "__main__":
    unittest.main()
