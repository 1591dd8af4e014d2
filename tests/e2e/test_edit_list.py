"""The edit window writes the current riddle back only after Yes; the list
window writes dm.txt (GBK, CR LF) at every close, and stays open with the
error when it cannot.  The database is read after the program has ended
(it holds the file exclusively while it runs)."""
import os
import sqlite3
import subprocess
import unittest

from harness import (BROWSER_BUTTONS, BROWSER_FIRST_ROW, EDIT_BOXES, EDIT_CAPTION, EDIT_CONFIRM, LIST_CAPTION, LIST_MEMO,
                     MAIN_CAPTION, QUIZ_CAPTION, Session, fixture_riddles, install_fixture, read_riddles,
                     wait_until)

RIDDLES = fixture_riddles()
NEW_RIDDLE = "灯下猜谜"
SKIN_SHADOW = (190, 174, 154)  # ButtonShadow of the built-in skin
WHITE = (255, 255, 255)
BOX_HALF_WIDTH = 100


def question(riddle):
    return f"当前灯谜〖{riddle}〗确认修改？"


class EditTest(unittest.TestCase):
    def edit_first_riddle(self, s):
        """Opens the edit window on the table's first riddle, replaces its
        riddle text and empties its answer by typing; returns the
        confirmation box's text."""
        self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
        self.assertTrue(s.wait_ready(EDIT_CAPTION), "the edit window did not appear")
        self.assertEqual(self.boxes(s), sorted(RIDDLES[0]), "the boxes show the current riddle")
        for field, text in (("谜面", NEW_RIDDLE), ("谜底", "")):
            s.press(EDIT_CAPTION, EDIT_BOXES[field])
            s.key("End", "shift+Home", "BackSpace")
            if text:
                s.type_text(text, EDIT_CAPTION)
        typed = sorted((NEW_RIDDLE, RIDDLES[0][1], ""))
        self.assertTrue(wait_until(lambda: self.boxes(s) == typed, 5), f"the typed texts did not arrive: {self.boxes(s)}")
        self.assert_frames_from_skin(s)
        s.screenshot("edit-typed")
        s.press(EDIT_CAPTION, EDIT_CONFIRM)
        box = s.message_box()
        s.screenshot("edit-confirm")
        return box

    def assert_frames_from_skin(self, s):
        """Each box's border is the skin's: a ButtonShadow line with a white
        line inside it (the focused box's as well)."""
        ox, oy, _, _ = s.origin(EDIT_CAPTION)
        for field, (x, y) in EDIT_BOXES.items():
            edge = (ox + x - BOX_HALF_WIDTH, oy + y, 2, 1)
            seen = s.wait_region(edge, lambda px: px[0] == [SKIN_SHADOW, WHITE], "edit-frame")
            self.assertIsNotNone(seen, f"the {field} box's border is not the skin's")

    def close_program(self, s):
        s.close_window(MAIN_CAPTION, (400, 40))  # on the header picture
        self.assertEqual(s.wait_exit(), 0)

    def test_no_leaves_the_database_unchanged(self):
        with Session(prepare=install_fixture) as s:
            box = self.edit_first_riddle(s)
            self.assertIn(box, (question(RIDDLES[0][0]), question(NEW_RIDDLE)))
            self.assertTrue(s.answer_box("n"))
            self.close_program(s)
            self.assertEqual(read_riddles(s.folder), RIDDLES)

    def test_yes_writes_the_riddle_and_every_view_shows_it(self):
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            self.assertTrue(s.open_and_hide_quiz())
            box = self.edit_first_riddle(s)
            self.assertIn(box, (question(RIDDLES[0][0]), question(NEW_RIDDLE)))
            self.assertTrue(s.answer_box("y"))
            edited = (NEW_RIDDLE, RIDDLES[0][1], "")
            self.assertEqual(s.wait_grid((1, len(RIDDLES), *edited[:2])), (1, len(RIDDLES), *edited[:2]))
            quiz = sorted(t for _, _, t in s.controls_of_class(QUIZ_CAPTION, "TDBText"))
            self.assertEqual(quiz, sorted(edited))
            self.assertTrue(s.find_window(EDIT_CAPTION), "the edit window stays open")
            self.close_program(s)
            self.assertEqual(read_riddles(s.folder), [edited] + RIDDLES[1:])

    def boxes(self, s):
        return sorted(text for _, _, text in s.controls_of_class(EDIT_CAPTION, "TDBEdit"))

    def type_riddle(self, s, text):
        s.press(EDIT_CAPTION, EDIT_BOXES["谜面"])
        s.key("End", "shift+Home", "BackSpace")
        s.type_text(text, EDIT_CAPTION)
        self.assertTrue(wait_until(lambda: text in self.boxes(s), 5), f"the typed text did not arrive: {self.boxes(s)}")

    def test_texts_not_confirmed_are_dropped_and_never_written(self):
        """No, closing the box and never confirming: the boxes show the
        stored riddle again once the row moves, the statement changes or the
        window closes, the browser's answer label never shows typed texts,
        and the database is unchanged."""
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
            self.assertTrue(s.wait_window(EDIT_CAPTION), "the edit window did not appear")
            answer = lambda: s.controls(MAIN_CAPTION)["lblAnswer"][2]  # noqa: E731
            shows = lambda row: wait_until(lambda: self.boxes(s) == sorted(row), 5)  # noqa: E731

            for key in ("n", "Escape"):
                with self.subTest(answered=key):
                    self.type_riddle(s, NEW_RIDDLE)
                    s.press(EDIT_CAPTION, EDIT_CONFIRM)
                    self.assertEqual(s.message_box(), question(RIDDLES[0][0]))
                    self.assertTrue(s.answer_box(key))
                    self.assertTrue(shows(RIDDLES[0]), "the boxes show the stored riddle again")

            with self.subTest("row moved"):
                self.type_riddle(s, NEW_RIDDLE)
                self.assertEqual(answer(), RIDDLES[0][2])
                s.press(MAIN_CAPTION, BROWSER_FIRST_ROW)
                s.key("Down")
                self.assertTrue(shows(RIDDLES[1]), "the boxes follow the row, typed texts dropped")
                self.assertEqual(answer(), RIDDLES[1][2])

            with self.subTest("statement replaced"):
                s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])  # the edit window to the front
                self.type_riddle(s, NEW_RIDDLE)
                s.click_category(0)
                self.assertTrue(wait_until(lambda: NEW_RIDDLE not in self.boxes(s), 5))

            with self.subTest("window closed"):
                s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
                self.type_riddle(s, NEW_RIDDLE)
                s.close_window(EDIT_CAPTION, EDIT_BOXES["谜目"])
                self.assertTrue(wait_until(lambda: not s.find_window(EDIT_CAPTION), 5))
                s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
                self.assertTrue(s.wait_window(EDIT_CAPTION))
                self.assertTrue(wait_until(lambda: NEW_RIDDLE not in self.boxes(s), 5))

            self.assertIsNone(s.message_box(timeout=1), "no error was shown")
            self.close_program(s)
            self.assertEqual(read_riddles(s.folder), RIDDLES)

    def test_a_refused_write_shows_its_error_once(self):
        def refusing_database(folder):
            # The engine refuses every update, as it does a read-only file
            # (which Wine lets root write).
            install_fixture(folder)
            db = sqlite3.connect(os.path.join(folder, "sk5.skn"))
            db.execute("CREATE TRIGGER refuse BEFORE UPDATE ON 灯谜库 BEGIN SELECT RAISE(ABORT, 'readonly'); END")
            db.commit()
            db.close()

        with Session(prepare=refusing_database) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
            self.assertTrue(s.wait_window(EDIT_CAPTION), "the edit window did not appear")
            self.type_riddle(s, NEW_RIDDLE)
            s.press(EDIT_CAPTION, EDIT_CONFIRM)
            self.assertEqual(s.message_box(), question(RIDDLES[0][0]))
            s.key("y")  # the error box follows the question under the same caption
            self.assertTrue(wait_until(lambda: "readonly" in (s.message_box(timeout=1) or ""), 10),
                            "the refused write shows the engine's error")
            self.assertTrue(s.answer_box())
            self.assertIn(NEW_RIDDLE, self.boxes(s), "the typed texts wait for another try")
            s.press(MAIN_CAPTION, BROWSER_FIRST_ROW)
            s.key("Down")
            self.assertTrue(wait_until(lambda: self.boxes(s) == sorted(RIDDLES[1]), 5))
            self.assertIsNone(s.message_box(timeout=2), "moving on shows no second error")
            self.close_program(s)
            self.assertEqual(read_riddles(s.folder), RIDDLES)

LF_LIST = "甲谜 甲目 甲底\n乙谜 乙目 乙底"


def install_lf_list(folder):
    install_fixture(folder)
    with open(os.path.join(folder, "dm.txt"), "wb") as f:
        f.write(LF_LIST.encode("gbk"))


class ListFileTest(unittest.TestCase):
    def dm(self, s):
        with open(os.path.join(s.folder, "dm.txt"), "rb") as f:
            return f.read()

    def memo(self, s):
        return s.controls(LIST_CAPTION)["Memo1"][2]

    def show_list(self, s):
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["添加"])
        self.assertTrue(s.wait_ready(LIST_CAPTION), "the list window did not appear")

    def close_list(self, s):
        s.close_window(LIST_CAPTION, LIST_MEMO)

    def test_closing_writes_dm_txt_with_cr_lf_and_a_read_only_file_keeps_the_window(self):
        with Session(prepare=install_lf_list) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            self.show_list(s)
            crlf = LF_LIST.replace("\n", "\r\n")
            self.assertEqual(self.memo(s), crlf, "lone LF line breaks are shown line by line")
            s.screenshot("list-loaded")

            # Closing writes the text as the box holds it: CR LF, nothing added.
            self.close_list(s)
            self.assertTrue(wait_until(lambda: not s.find_window(LIST_CAPTION), 5), "the window stays")
            self.assertEqual(self.dm(s), crlf.encode("gbk"))

            # An added line, and a text that ends with a line break.
            self.show_list(s)
            s.press(LIST_CAPTION, LIST_MEMO)
            s.key("ctrl+End", "Return")
            s.type_text("丙谜 丙目 丙底", LIST_CAPTION)
            s.key("Return")
            edited = crlf + "\r\n丙谜 丙目 丙底\r\n"
            wait_until(lambda: self.memo(s) == edited, 5)
            self.assertEqual(self.memo(s), edited)
            self.close_list(s)
            self.assertTrue(wait_until(lambda: not s.find_window(LIST_CAPTION), 5), "the window stays")
            self.assertEqual(self.dm(s), edited.encode("gbk"))

            # A read-only dm.txt (immutable: the tests may run as root, whom
            # the permission bits do not stop).
            path = os.path.join(s.folder, "dm.txt")
            os.chmod(path, 0o444)
            if subprocess.run(["chattr", "+i", path], capture_output=True).returncode != 0:
                self.skipTest("cannot make dm.txt read-only here")
            try:
                self.show_list(s)
                s.press(LIST_CAPTION, LIST_MEMO)
                s.key("ctrl+End")
                s.type_text("丁谜", LIST_CAPTION)
                self.close_list(s)
                self.assertTrue(s.message_box(), "no error box")
                s.screenshot("list-read-only")
                self.assertTrue(s.answer_box())
                self.assertTrue(s.find_window(LIST_CAPTION), "the list window must stay open")
                self.assertEqual(self.memo(s), edited + "丁谜")
                self.assertEqual(self.dm(s), edited.encode("gbk"))
            finally:
                subprocess.run(["chattr", "-i", path])
                os.chmod(path, 0o644)


if __name__ == "__main__":
    unittest.main()
