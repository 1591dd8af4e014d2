"""Skinned popup menus under real input: the browser's search menu and the
system menu of a caption, and in the skin gallery the context menu with
images, checked, radio and disabled items and sub-menus, and a tool
button's drop-down."""
import subprocess
import unittest

from harness import (BROWSER_BUTTONS, GALLERY_CAPTION, MAIN_CAPTION, Session, install_fixture, pixels,
                     wait_until)

# Colours of our embedded skin's menu pictures (tools/skin: MenuArt, ArtStyle).
RING = (0xCD, 0xBB, 0xA3)          # MenuBackground's outer edge
PAPER = (0xFB, 0xF8, 0xF2)         # the menu background
HOT_PLATE = (0xFB, 0xEB, 0xCB)     # MenuItem frame 4, the selected item
MENU_TEXT = (59, 47, 42)           # [Colours] MenuText
DISABLED_TEXT = (190, 174, 154)    # [Colours] ButtonShadow
HILIGHT_TEXT_RED = 0x80            # HilightText is the skin's red accent


def near(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def count(rows, colour, tolerance=24):
    return sum(near(p, colour, tolerance) for row in rows for p in row)


def pointer(s):
    out = s.xdotool("getmouselocation", "--shell")
    values = dict(line.split("=") for line in out.split())
    return int(values["X"]), int(values["Y"])


class MenuSession:
    """What the tests of one program share: the open menu and its rows."""

    def __init__(self, session):
        self.s = session

    def menu(self, name):
        g = self.s.wait_popup()
        if not g:
            return None, None
        return g, pixels(self.s.screenshot(name), g["X"], g["Y"], g["WIDTH"], g["HEIGHT"])

    def hover(self, g, y, name):
        """Moves the pointer to row y of the menu and waits until that row
        shows the skin's selected item."""
        self.s.xdotool("mousemove", str(g["X"] + g["WIDTH"] // 2), str(g["Y"] + y))
        # The glyph box of an item without image or mark shows the plate.
        box = (g["X"] + 8, g["Y"] + y - 2, 10, 4)
        return self.s.wait_region(box, lambda rows: count(rows, HOT_PLATE, 6) >= 30, name)

    def closed(self):
        return wait_until(lambda: self.s.wait_popup(timeout=0.3) is None, timeout=5)


class BrowserMenusTest(unittest.TestCase):
    def test_search_menu_opens_at_the_pointer_skinned_and_hot_items_follow_the_mouse(self):
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser did not appear")
            m = MenuSession(s)
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
            at = pointer(s)
            g, rows = m.menu("menu-search")
            self.assertIsNotNone(g, "the search menu did not open")
            self.assertEqual((g["X"], g["Y"]), at, "the menu's corner is at the pointer")
            self.assertTrue(near(rows[0][0], RING, 2) and near(rows[g["HEIGHT"] // 2][0], RING, 2),
                            "the menu's border is the skin's")
            # Items: 搜索谜面, a separator, 搜索谜底; the first and last rows
            # of the items lie a quarter from the menu's top and bottom.
            first, last = g["HEIGHT"] // 4, g["HEIGHT"] * 3 // 4
            self.assertIsNotNone(m.hover(g, first, "menu-search-hot-first"), "the first item is not hot")
            self.assertIsNotNone(m.hover(g, last, "menu-search-hot-last"), "the last item is not hot")
            rows = pixels(s.screenshot("menu-search-hot-last"), g["X"], g["Y"], g["WIDTH"], g["HEIGHT"])
            self.assertEqual(count(rows[first - 4:first + 4], HOT_PLATE, 6), 0, "the first item is back at rest")
            s.key("Escape")
            self.assertTrue(m.closed(), "Escape did not close the menu")

            for index in (0, 1):
                with self.subTest(item=index):
                    s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
                    g, _ = m.menu("menu-search-choose")
                    self.assertIsNotNone(g)
                    s.click(g["X"] + g["WIDTH"] // 2, g["Y"] + (first if index == 0 else last))
                    self.assertTrue(s.wait_window("谜面搜索"), "the item did not run its search")
                    s.key("Escape")
                    self.assertTrue(wait_until(lambda: not s.find_window("谜面搜索"), timeout=5))

    def test_caption_right_click_opens_the_skinned_system_menu_with_its_glyphs(self):
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser did not appear")
            m = MenuSession(s)
            ox, oy, _, _ = s.origin(MAIN_CAPTION)
            s.click(ox + 300, oy - 15, button=3)
            g, rows = m.menu("menu-system")
            self.assertIsNotNone(g, "the system menu did not open")
            self.assertEqual((g["X"], g["Y"]), (ox + 300, oy - 15))
            self.assertTrue(near(rows[0][0], RING, 2), "the menu's border is the skin's")
            # Restore, Minimize, a separator, Close: the browser has no
            # maximise box.  Rows from the items' measured heights.
            item = (g["HEIGHT"] - 6 - 8) // 3
            centres = [3 + item // 2, 3 + item + item // 2, 3 + 2 * item + 8 + item // 2]
            glyph_box = lambda y: [row[6:26] for row in rows[y - 8:y + 8]]
            caption = lambda y: [row[30:90] for row in rows[y - 8:y + 8]]
            for y in centres[1:]:
                self.assertGreater(count(glyph_box(y), (0, 0, 0), 40), 6, "an item shows its glyph")
            restore, minimize = caption(centres[0]), caption(centres[1])
            self.assertEqual(count(restore, MENU_TEXT, 30), 0, "Restore is disabled in a normal window")
            self.assertGreater(count(restore, DISABLED_TEXT, 20), 5)
            self.assertGreater(count(minimize, MENU_TEXT, 30), 5, "Minimize is enabled")
            s.key("Escape")
            self.assertTrue(m.closed(), "Escape did not close the system menu")

            s.click(ox + 300, oy - 15, button=3)
            g, _ = m.menu("menu-system-again")
            self.assertIsNotNone(g)
            s.click(g["X"] + 50, g["Y"] + centres[1])
            def minimised():
                state = s.window_state(MAIN_CAPTION)
                return state and (state[0] == "minimized" or not state[1])
            self.assertTrue(wait_until(minimised, timeout=10), "Minimize did not minimise the window")


class GalleryMenusTest(unittest.TestCase):
    def test_context_menu_items_of_every_kind_and_the_tool_buttons_drop_down(self):
        with Session(exe="skingallery.exe") as s:
            self.assertTrue(s.wait_ready(GALLERY_CAPTION), "the gallery did not appear")
            m = MenuSession(s)
            s.click_in(GALLERY_CAPTION, 600, 400, button=3)
            g, rows = m.menu("menu-context")
            self.assertIsNotNone(g, "the context menu did not open")
            self.assertTrue(near(rows[0][0], RING, 2), "the context menu's border is the skin's")
            # 上一页, 下一页, -, 启用皮肤 (checked, with an image), 打开皮肤…,
            # 重新载入皮肤, -, 页面 (radio items), 对话框 (a sub-menu),
            # 不可用的命令 (disabled): 8 items, 2 separators.
            item = (g["HEIGHT"] - 6 - 16) // 8
            top = lambda index, lines: 3 + index * item + lines * 8
            checked = top(2, 1) + item // 2
            pages = top(5, 2) + item // 2
            disabled = top(7, 2) + item // 2
            glyph = lambda y: [r[6:24] for r in rows[y - 8:y + 8]]
            self.assertGreater(count(glyph(top(0, 0) + item // 2), (0, 0, 0), 200), 20, "an item shows its image")
            self.assertGreater(count(glyph(checked), (255, 255, 255), 0), 20,
                               "the checked item's image lies on a dithered square")
            self.assertGreater(count([r[30:120] for r in rows[disabled - 8:disabled + 8]], DISABLED_TEXT, 20), 5,
                               "the disabled item is greyed")
            self.assertGreater(count([r[-20:] for r in rows[pages - 8:pages + 8]], MENU_TEXT, 40), 3,
                               "the sub-menu item shows an arrow")
            before = set(s.search(""))
            self.assertIsNotNone(m.hover(g, pages, "menu-context-sub"), "the sub-menu item is not hot")
            sub = wait_until(lambda: [w for w in set(s.search("")) - before
                                      if not s.xdotool("getwindowname", w) and s.window_geometry(w)], timeout=5)
            self.assertTrue(sub, "the sub-menu did not open")
            sg = s.window_geometry(sub[0])
            sub_rows = pixels(s.screenshot("menu-context-sub"), sg["X"], sg["Y"], sg["WIDTH"], sg["HEIGHT"])
            self.assertTrue(near(sub_rows[0][0], RING, 2), "the sub-menu's border is the skin's")
            # The first page shows: its radio item has the bullet.
            first_page = [r[6:24] for r in sub_rows[3:3 + item]]
            self.assertGreater(count(first_page, (0, 0, 0), 60), 4, "the page showing has the radio bullet")
            second_page = [r[6:24] for r in sub_rows[3 + item:3 + 2 * item]]
            self.assertEqual(count(second_page, (0, 0, 0), 60), 0, "the other pages have none")
            s.key("Escape")
            s.key("Escape")
            self.assertTrue(m.closed(), "Escape did not close the menus")

            # The drop-down arrow is the right end of the tool bar's buttons.
            ox, oy, _, _ = s.origin(GALLERY_CAPTION)
            strip = pixels(s.screenshot("gallery-toolbar"), ox, oy, 700, 26)
            dark = [x for x in range(700) if any(sum(strip[y][x]) < 200 for y in range(8, 18))]
            self.assertTrue(dark, "no tool buttons seen")
            s.click(ox + max(dark) - 2, oy + 13)
            g, rows = m.menu("menu-dropdown")
            self.assertIsNotNone(g, "the drop-down menu did not open")
            self.assertTrue(near(rows[0][0], RING, 2), "the drop-down's border is the skin's")
            s.click(g["X"] + g["WIDTH"] // 2, g["Y"] + 3 + item // 2)
            self.assertTrue(s.wait_ready("平台消息框", timeout=10), "the drop-down's first item did not run")
            s.key("Escape")


if __name__ == "__main__":
    unittest.main()
