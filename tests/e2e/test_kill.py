"""The database survives the program being killed from outside in the middle
of a series of edits: it opens, passes SQLite's integrity check and holds
every edit that was confirmed before the kill."""
import os
import signal
import sqlite3
import unittest

from harness import (BROWSER_BUTTONS, BROWSER_FIRST_ROW, EDIT_BOXES, EDIT_CAPTION, EDIT_CONFIRM, MAIN_CAPTION,
                     Session, fixture_riddles, install_fixture, read_riddles, wait_until)

RIDDLES = fixture_riddles()


class KillTest(unittest.TestCase):
    def edit_current_row(self, s, answer):
        """Types `answer` into the answer box of the current riddle and
        confirms it with Yes."""
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])  # the edit window to the front
        self.assertTrue(s.wait_window(EDIT_CAPTION), "the edit window did not appear")
        s.press(EDIT_CAPTION, EDIT_BOXES["谜底"])
        s.key("End", "shift+Home", "BackSpace")
        s.type_text(answer, EDIT_CAPTION)
        s.press(EDIT_CAPTION, EDIT_CONFIRM)
        self.assertTrue(s.message_box(), "the confirmation did not appear")
        s.key("y")

    def test_killed_during_edits_keeps_every_confirmed_edit(self):
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            confirmed = {}
            for row in range(4):
                answer = f"改{row}"
                self.edit_current_row(s, answer)
                # Confirmed once the browser's answer label shows the new text.
                self.assertTrue(wait_until(lambda: s.controls(MAIN_CAPTION)["lblAnswer"][2] == answer, 10),
                                f"edit {row} was not confirmed")
                confirmed[row] = answer
                s.press(MAIN_CAPTION, BROWSER_FIRST_ROW)
                for _ in range(row + 1):
                    s.key("Down")
                self.assertTrue(wait_until(lambda: s.grid()[0] == row + 2, 5))
            # One more edit, killed hard as its write starts.
            self.edit_current_row(s, "改中")
            s.program.send_signal(signal.SIGKILL)
            s.program.wait(timeout=10)
            path = os.path.join(s.folder, "sk5.skn")
            db = sqlite3.connect(path)
            try:
                self.assertEqual(db.execute("PRAGMA integrity_check").fetchone()[0], "ok")
            finally:
                db.close()
            rows = read_riddles(s.folder)
            self.assertEqual(len(rows), len(RIDDLES))
            for row, answer in confirmed.items():
                self.assertEqual(rows[row], (*RIDDLES[row][:2], answer), f"confirmed edit {row}")
            self.assertIn(rows[4][2], (RIDDLES[4][2], "改中"), "the interrupted edit is whole or absent")
            self.assertEqual(rows[5:], RIDDLES[5:])


if __name__ == "__main__":
    unittest.main()
