import os
import unittest

from harness import MAIN_CAPTION, TITLE, Session


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
            geometry = s.window_geometry(wid)
            self.assertEqual((geometry["WIDTH"], geometry["HEIGHT"]), (800, 600))
            s.screenshot("main-window")
            s.key("--window", wid, "alt+F4")
            self.assertEqual(s.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
