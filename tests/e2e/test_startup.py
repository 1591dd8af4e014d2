import os
import unittest

from harness import (MAIN_CAPTION, TITLE, Session, fixture_riddles, install_fixture, wait_until)


class StartupTest(unittest.TestCase):
    def test_missing_database_shows_the_installation_message_only(self):
        with Session(prepare=lambda folder: os.remove(os.path.join(folder, "sk5.skn"))) as s:
            box = s.wait_window(TITLE)
            self.assertIsNotNone(box, "the message box did not appear")
            s.screenshot("missing-database")
            self.assertIsNone(s.find_window(MAIN_CAPTION))
            texts = [text for _, text in s.child_texts(TITLE)]
            self.assertIn("程序安装错误，请重新安装软件！", texts)
            s.key("Return")
            self.assertIsNotNone(s.wait_exit(), "the program did not end after the message")
            self.assertIsNone(s.find_window(MAIN_CAPTION))

    def test_main_window_is_shown_and_closing_it_ends_the_program(self):
        with Session() as s:
            wid = s.wait_window(MAIN_CAPTION)
            self.assertIsNotNone(wid, "the main window did not appear")
            # The skin's frame: 14 pixels wider and 34 taller than the
            # client area the window was made with (800 x 600 with the
            # platform's frame).
            def skinned():
                g = s.window_geometry(wid)
                _, _, w, h = s.origin(MAIN_CAPTION)
                return (g["WIDTH"], g["HEIGHT"]) == (w + 14, h + 34) and (g, w, h)
            self.assertTrue(wait_until(skinned, timeout=5), "the main window wears the skin's frame")
            s.screenshot("main-window")
            s.key("--window", wid, "alt+F4")
            self.assertEqual(s.wait_exit(), 0)

    def test_unskinned_option_leaves_the_main_window_in_its_platform_frame(self):
        with Session(args=["--unskinned"]) as s:
            wid = s.wait_window(MAIN_CAPTION)
            self.assertIsNotNone(wid, "the main window did not appear")
            self.assertTrue(s.settle(MAIN_CAPTION))

            def frame():
                g = s.window_geometry(wid)
                x, y, w, h = s.origin(MAIN_CAPTION)
                return (x - g["X"], y - g["Y"], g["WIDTH"] - w, g["HEIGHT"] - h)
            # Given as long as the skinned start-up takes to change the frame
            # (see above), the frame stays the platform's.
            self.assertFalse(wait_until(lambda: frame() == (7, 27, 14, 34), timeout=5), "the skin's borders")
            borders = frame()
            s.screenshot("main-window-unskinned")
            self.assertGreater(borders[1], borders[0], "a platform caption above the client area")
            s.key("--window", wid, "alt+F4")
            self.assertEqual(s.wait_exit(), 0)


class StoreStartupTest(unittest.TestCase):
    def test_a_second_copy_gets_the_locked_error_and_the_first_keeps_working(self):
        riddles = fixture_riddles()
        with Session(prepare=install_fixture) as s:
            first = s.wait_window(MAIN_CAPTION)
            self.assertIsNotNone(first, "the main window did not appear")
            # The first copy holds the database once it has settled.
            self.assertTrue(s.settle(MAIN_CAPTION))
            second = s.start_another()
            box = s.message_box(timeout=30)
            s.screenshot("second-copy")
            self.assertIsNotNone(box, "the second copy showed no error box")
            self.assertTrue(box.startswith("database is locked"), box)
            self.assertTrue(s.answer_box())
            # The second copy goes on with an empty store.  It lies on top of
            # the first at the same place; ending it uncovers the first.
            other = wait_until(lambda: [w for w in s.search(f"^{MAIN_CAPTION}$") if w != first])
            self.assertTrue(other, "the second copy's browser window did not appear")
            second.kill()
            second.wait(timeout=20)
            self.assertIsNone(s.program.poll(), "the first copy ended")
            s.click_category(0)
            word = "打一字"
            first_riddle = [r for r in riddles if word in r[1]][0]
            count = sum(word in r[1] for r in riddles)
            self.assertEqual(s.wait_grid((1, count, *first_riddle[:2])), (1, count, *first_riddle[:2]))

    def test_database_only_beside_the_executable_shows_the_error_and_the_browser(self):
        def prepare(folder):
            install_fixture(folder)
            os.mkdir(os.path.join(folder, "elsewhere"))

        with Session(prepare=prepare, cwd="elsewhere") as s:
            box = s.message_box(timeout=30)
            s.screenshot("database-elsewhere")
            self.assertTrue(box, "no error box for the database missing in the working directory")
            self.assertTrue(s.answer_box())
            self.assertIsNotNone(s.wait_window(MAIN_CAPTION), "the browser window did not appear")
            self.assertEqual(s.grid(), (0, 0, "", ""), "the store stays closed")
            self.assertFalse(os.path.exists(os.path.join(s.cwd, "sk5.skn")), "no database was created")


if __name__ == "__main__":
    unittest.main()
