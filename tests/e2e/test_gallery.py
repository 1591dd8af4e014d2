import os
import unittest

from harness import GALLERY_CAPTION, GALLERY_PAGES, SHOTS, Session, wait_until


class GalleryTest(unittest.TestCase):
    def test_every_page_opens_by_a_click_on_its_tab(self):
        os.makedirs(SHOTS, exist_ok=True)
        with Session(exe="skingallery.exe", args=["--unskinned"]) as s:
            self.assertIsNotNone(s.wait_window(GALLERY_CAPTION), "the gallery did not appear")
            self.assertTrue(wait_until(lambda: s.gallery_page() == "按钮"), "the first page is not shown")
            self.assertEqual([caption for caption, _, _ in s.gallery_tabs()], [p for p, _ in GALLERY_PAGES])
            # Last to first, so that every page is reached by a click.
            for caption, slug in reversed(GALLERY_PAGES):
                self.assertTrue(s.open_gallery_page(caption), f"the page {caption} did not open")
                self.assertTrue(s.settle(GALLERY_CAPTION))
                s.window_shot(GALLERY_CAPTION, os.path.join(SHOTS, f"gallery-{slug}.png"))

    def test_the_dialog_page_opens_each_kind_of_window(self):
        with Session(exe="skingallery.exe", args=["--page", "8"]) as s:
            self.assertIsNotNone(s.wait_window(GALLERY_CAPTION), "the gallery did not appear")
            self.assertTrue(wait_until(lambda: s.gallery_page() == "对话框"), "--page 8 did not show the page")
            # Buttons in the page's left column, 40 pixels apart, below the
            # tool bar and the tabs.
            def press(row):
                s.click_in(GALLERY_CAPTION, 90, 26 + 24 + 16 + 14 + row * 40)
            for row, caption, close in [(0, "平台消息框", "Escape"), (1, "框架消息窗", "Escape"),
                                        (3, "平台对话框", "Escape"), (5, "标记 99：不换皮肤的窗口", "Return"),
                                        (6, "多文档框架", "alt+F4")]:
                press(row)
                wid = s.wait_ready(caption, timeout=10)
                self.assertIsNotNone(wid, f"{caption} did not open")
                s.key(close)
                self.assertTrue(wait_until(lambda: not s.find_window(caption), timeout=10), f"{caption} stayed")
            # A right click on the page opens the context menu.
            s.click_in(GALLERY_CAPTION, 600, 400, button=3)
            self.assertIsNotNone(s.wait_popup(), "the context menu did not open")
            s.key("Escape")


if __name__ == "__main__":
    unittest.main()
