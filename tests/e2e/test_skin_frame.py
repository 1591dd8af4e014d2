"""The skinned frames of the program's windows with real input: border
sizes, the transparent corners, the hot caption button, the caption's double
click, minimising and restoring, the system menu from the caption, and the
close button of the quiz window."""
import unittest

from harness import BROWSER_BUTTONS, MAIN_CAPTION, QUIZ_CAPTION, TITLE, Session, install_fixture, pixels, wait_until

BORDER_LEFT, BORDER_TOP = 7, 27
CLOSE_X, MAXIMIZE_X, MINIMIZE_X, BUTTON_Y = 36, 64, 92, 4  # caption buttons: this far from the right edge
MAGENTA = (255, 0, 255)


class SkinFrameTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = s = Session(prepare=install_fixture).__enter__()
        try:
            if not s.wait_ready(MAIN_CAPTION):
                raise AssertionError("the browser window did not appear")
        except BaseException:
            s.__exit__(None, None, None)
            raise

    @classmethod
    def tearDownClass(cls):
        cls.s.__exit__(None, None, None)

    def geometry(self, caption):
        return self.s.window_geometry(self.s.find_window(caption))

    def test_browser_wears_the_skin_borders_and_cut_corners(self):
        g = self.geometry(MAIN_CAPTION)
        ox, oy, w, h = self.s.origin(MAIN_CAPTION)
        self.assertEqual((ox - g["X"], oy - g["Y"]), (BORDER_LEFT, BORDER_TOP))
        self.assertEqual((g["WIDTH"], g["HEIGHT"]), (w + 14, h + 34))
        shot = self.s.screenshot("skin-browser")
        corner = pixels(shot, g["X"], g["Y"], 1, 1)[0][0]
        behind = pixels(shot, max(0, g["X"] - 2), max(0, g["Y"] - 2), 1, 1)[0][0]
        self.assertNotEqual(corner, MAGENTA)
        self.assertEqual(corner, behind, "the rounded corner shows what lies behind")

    def test_hovering_the_close_button_shows_its_hot_frame_and_leaving_restores_it(self):
        g = self.geometry(MAIN_CAPTION)
        box = (g["X"] + g["WIDTH"] - CLOSE_X, g["Y"] + BUTTON_Y, 16, 16)
        # The pointer has rested away from the caption's buttons since the
        # session began: the button shows its normal look.
        self.s.xdotool("mousemove", g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] // 2)
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        normal = self.s.region(*box, "skin-close-normal")
        self.s.xdotool("mousemove", box[0] + 6, box[1] + 6, "sleep", 0.1, "mousemove", box[0] + 8, box[1] + 8)
        hot = self.s.wait_region(box, lambda seen: seen != normal, "skin-close-hot")
        self.assertIsNotNone(hot, "the hot frame did not show")
        # Leaving is noticed by the caption's hover timer (250 ms).
        self.s.xdotool("mousemove", g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] // 2)
        left = self.s.wait_region(box, lambda seen: seen == normal, "skin-close-left")
        self.assertIsNotNone(left, "the normal look did not come back")

    def test_double_click_on_the_browser_caption_does_not_maximise_it(self):
        before = self.geometry(MAIN_CAPTION)
        self.s.xdotool("mousemove", before["X"] + 200, before["Y"] + 14, "click", "--repeat", 2, "--delay", 80, 1)
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.assertEqual(self.geometry(MAIN_CAPTION), before)

    def framed(self, caption):
        """The window wears the skin's frame around its client area."""
        def probe():
            g = self.geometry(caption)
            ox, oy, w, h = self.s.origin(caption)
            return (ox - g["X"], oy - g["Y"], g["WIDTH"] - w, g["HEIGHT"] - h) == (BORDER_LEFT, BORDER_TOP, 14, 34)
        return wait_until(probe, timeout=5)

    def test_input_box_and_message_box_wear_the_frame_and_answer_their_keys(self):
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
        self.assertTrue(self.s.choose_from_popup(0, 2), "the search menu did not pop up")
        self.assertTrue(self.s.wait_window("谜面搜索"), "the input box did not appear")
        self.assertTrue(self.framed("谜面搜索"))
        self.s.screenshot("skin-input-box")
        self.s.type_text("abc")
        self.s.key("Return")
        self.assertEqual(self.s.message_box(), "请输入搜索关键字")
        self.assertTrue(self.framed(TITLE))
        self.s.screenshot("skin-message-box")
        self.assertTrue(self.s.answer_box())

    def test_quiz_maximises_and_restores_by_button_and_by_double_click_and_stays_put_when_maximised(self):
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        self.assertTrue(self.s.wait_ready(QUIZ_CAPTION))
        normal = self.geometry(QUIZ_CAPTION)
        screen_w = int(self.s.xdotool("getdisplaygeometry").split()[0])

        def toggle_by_button():
            g = self.geometry(QUIZ_CAPTION)
            self.s.click(g["X"] + g["WIDTH"] - MAXIMIZE_X + 8, g["Y"] + BUTTON_Y + 8)

        def toggle_by_double_click():
            g = self.geometry(QUIZ_CAPTION)
            self.s.xdotool("mousemove", g["X"] + 300, g["Y"] + 14, "click", "--repeat", 2, "--delay", 80, 1)

        for toggle in (toggle_by_button, toggle_by_double_click):
            with self.subTest(toggle.__name__):
                toggle()
                self.assertTrue(wait_until(lambda: self.geometry(QUIZ_CAPTION)["WIDTH"] >= screen_w, timeout=5),
                                "maximised")
                zoomed = self.geometry(QUIZ_CAPTION)
                self.s.screenshot("skin-quiz-maximised")
                # Dragging the caption of a maximised window moves nothing.
                self.s.xdotool("mousemove", zoomed["X"] + 300, zoomed["Y"] + 14, "mousedown", 1,
                               "mousemove", zoomed["X"] + 360, zoomed["Y"] + 80, "sleep", 0.2, "mouseup", 1)
                self.assertTrue(self.s.settle(QUIZ_CAPTION))
                self.assertEqual(self.geometry(QUIZ_CAPTION), zoomed)
                toggle()
                self.assertTrue(wait_until(lambda: self.geometry(QUIZ_CAPTION) == normal, timeout=5), "restored")
        self.s.close_window(QUIZ_CAPTION, (700, 250))
        wait_until(lambda: not self.s.find_window(QUIZ_CAPTION), timeout=10)

    def open_quiz(self):
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        self.assertTrue(self.s.wait_ready(QUIZ_CAPTION))
        self.addCleanup(self.close_quiz)
        return self.geometry(QUIZ_CAPTION)

    def close_quiz(self):
        """Closes the quiz window unless the test has closed it (Alt+F4
        would then close the browser and end the program)."""
        if self.s.find_window(QUIZ_CAPTION):
            self.s.close_window(QUIZ_CAPTION, (700, 250))
        self.assertTrue(wait_until(lambda: not self.s.find_window(QUIZ_CAPTION), timeout=10))

    def state(self):
        return self.s.window_state(QUIZ_CAPTION)[0]

    def restore_from_icon(self, normal):
        """A minimised window is a platform title at the screen's bottom
        left: a double click on it restores the window."""
        icon = self.geometry(QUIZ_CAPTION)
        self.assertLess(icon["HEIGHT"], 40, "the minimised title")
        self.s.xdotool("mousemove", icon["X"] + 30, icon["Y"] + icon["HEIGHT"] // 2,
                       "click", "--repeat", 2, "--delay", 80, 1)
        self.assertTrue(wait_until(lambda: self.state() == "normal", timeout=5), "restored")
        self.assertTrue(wait_until(lambda: self.geometry(QUIZ_CAPTION) == normal, timeout=5))

    def test_the_quiz_minimises_by_its_button_and_comes_back_in_the_skin(self):
        normal = self.open_quiz()
        self.s.click(normal["X"] + normal["WIDTH"] - MINIMIZE_X + 8, normal["Y"] + BUTTON_Y + 8)
        self.assertTrue(wait_until(lambda: self.state() == "minimized", timeout=5), "minimised")
        self.restore_from_icon(normal)
        ox, oy, w, h = self.s.origin(QUIZ_CAPTION)
        self.assertEqual((ox - normal["X"], oy - normal["Y"]), (BORDER_LEFT, BORDER_TOP), "skinned again")

    def test_right_click_on_the_caption_opens_the_system_menu_there_and_its_items_work(self):
        normal = self.open_quiz()
        rows = 4  # Restore, Maximize, Minimize, (separator), Close

        def choose(index):
            g = self.geometry(QUIZ_CAPTION)
            at = (g["X"] + 200, g["Y"] + 14)
            self.s.click(*at, button=3)
            popup = self.s.wait_popup()
            self.assertIsNotNone(popup, "the system menu did not open")
            self.assertLessEqual(abs(popup["X"] - at[0]) + abs(popup["Y"] - at[1]), 4, "opened at the point")
            self.s.screenshot("skin-system-menu")
            self.s.choose_from_popup(index, rows)

        choose(1)
        self.assertTrue(wait_until(lambda: self.state() == "maximized", timeout=5), "Maximize")
        choose(0)
        self.assertTrue(wait_until(lambda: self.state() == "normal", timeout=5), "Restore")
        self.assertTrue(wait_until(lambda: self.geometry(QUIZ_CAPTION) == normal, timeout=5))
        choose(2)
        self.assertTrue(wait_until(lambda: self.state() == "minimized", timeout=5), "Minimize")
        self.restore_from_icon(normal)
        choose(3)
        self.assertTrue(wait_until(lambda: not self.s.find_window(QUIZ_CAPTION), timeout=10), "Close")

    def test_the_quiz_close_button_hides_the_quiz_window(self):
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        self.assertTrue(self.s.wait_ready(QUIZ_CAPTION))
        g = self.geometry(QUIZ_CAPTION)
        ox, oy, w, h = self.s.origin(QUIZ_CAPTION)
        self.assertEqual((g["WIDTH"], g["HEIGHT"]), (w + 14, h + 34))
        self.s.click(g["X"] + g["WIDTH"] - CLOSE_X + 8, g["Y"] + BUTTON_Y + 8)
        self.assertTrue(wait_until(lambda: not self.s.find_window(QUIZ_CAPTION), timeout=10))
        self.assertTrue(self.s.find_window(MAIN_CAPTION), "the program goes on")


if __name__ == "__main__":
    unittest.main()
