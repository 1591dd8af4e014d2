"""The quiz window with the fixture database: the counter, sequential and
random riddles, the answer on request, and the user riddle bank over a list
edited in the list window and not yet saved.  One program session serves
the whole class; each test brings the store into the state it needs."""
import os
import unittest

from harness import (BROWSER_BUTTONS, LIST_CAPTION, LIST_MEMO, MAIN_CAPTION, QUIZ_BUTTONS, QUIZ_CAPTION,
                     Session, fixture_riddles, fixture_user_lines, install_fixture, wait_until)

RIDDLES = fixture_riddles()
IDIOMS = [r for r in RIDDLES if "成语" in r[1]]
ITEM_IDIOM = 1  # 成语, the second item of the first group


class QuizTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = s = Session(prepare=install_fixture).__enter__()
        try:
            if not s.wait_ready(MAIN_CAPTION):
                raise AssertionError("the browser window did not appear")
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
            if not s.wait_ready(QUIZ_CAPTION):
                raise AssertionError("the quiz window did not appear")
            s.screenshot("quiz-start")
            cls.start = s.controls(QUIZ_CAPTION)
            # Which bound label shows which field: at start the table's first
            # riddle is current, and its three texts differ.
            labels = s.controls_of_class(QUIZ_CAPTION, "TDBText")
            texts = [text for _, _, text in labels]
            cls.label_index = [texts.index(field) for field in RIDDLES[0]]
            cls.answer_hidden_at_start = not labels[cls.label_index[2]][1]
        except BaseException:
            s.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def counter(self):
        return int(self.s.controls(QUIZ_CAPTION)["Label3"][2])

    def labels(self):
        """(riddle, target, answer) label texts and whether the answer shows."""
        labels = self.s.controls_of_class(QUIZ_CAPTION, "TDBText")
        riddle, target, answer = (labels[i] for i in self.label_index)
        return (riddle[2], target[2], answer[2]), answer[1]

    def press(self, caption):
        before = self.counter()
        self.s.press(QUIZ_CAPTION, QUIZ_BUTTONS[caption])
        return before

    def wait_counter(self, value):
        wait_until(lambda: self.counter() == value, timeout=5)
        return self.counter()

    def show_idioms_in_browser(self):
        """Shows the 成语 category in the browser and comes back."""
        self.s.press(QUIZ_CAPTION, QUIZ_BUTTONS["浏览"])
        self.assertTrue(self.s.wait_focus(MAIN_CAPTION), "the browser did not come to the front")
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        self.s.click_category(ITEM_IDIOM)
        expected = (1, len(IDIOMS), *IDIOMS[0][:2])
        self.assertEqual(self.s.wait_grid(expected), expected)
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        self.assertTrue(self.s.wait_focus(QUIZ_CAPTION), "the quiz window did not come to the front")
        self.assertTrue(self.s.settle(QUIZ_CAPTION))

    def test_counter_starts_at_one_with_the_first_riddle_and_its_answer_hidden(self):
        self.assertEqual(self.start["Label3"][2], "1")
        self.assertTrue(self.answer_hidden_at_start)

    def test_sequential_riddles_walk_the_category_and_wrap(self):
        self.show_idioms_in_browser()
        self.assertEqual(self.labels()[0], IDIOMS[0])
        # The last press of a pass leaves the last riddle (end of data); the
        # next goes back to the first.  The counter rises on every press.
        expected = [IDIOMS[1], IDIOMS[2], IDIOMS[2], IDIOMS[0]]
        for number, riddle in enumerate(expected, 1):
            with self.subTest(press=number):
                before = self.press("顺序出谜")
                self.assertEqual(self.wait_counter(before + 1), before + 1)
                wait_until(lambda: self.labels()[0] == riddle, 5)
                self.assertEqual(self.labels()[0], riddle)
        self.s.screenshot("quiz-sequential")

    def test_random_riddle_drops_the_category_and_counts(self):
        self.show_idioms_in_browser()
        for number in range(3):
            with self.subTest(press=number + 1):
                before = self.press("随机出谜")
                self.assertEqual(self.wait_counter(before + 1), before + 1)
                self.assertIn(self.labels()[0], RIDDLES)
                # The browser's grid shows the whole table again.
                self.assertEqual(self.s.grid()[1], len(RIDDLES))
        self.s.screenshot("quiz-random")

    def test_show_answer_makes_the_answer_label_visible(self):
        before = self.press("显示答案")
        self.assertTrue(wait_until(lambda: self.labels()[1], timeout=5), "the answer did not show")
        texts, _ = self.labels()
        self.assertIn(texts, RIDDLES)
        self.assertEqual(self.counter(), before, "showing the answer does not count")
        self.s.screenshot("quiz-answer")

    def test_user_riddle_bank_plays_the_edited_unsaved_list(self):
        with open(os.path.join(self.s.folder, "dm.txt"), "rb") as f:
            saved = f.read()
        # Add a line in the list window and leave it open (nothing saved).
        self.press("添加")
        self.assertTrue(self.s.wait_ready(LIST_CAPTION), "the list window did not appear")
        self.s.press(LIST_CAPTION, LIST_MEMO)
        self.s.key("ctrl+End")
        self.s.type_text("新谜 打一物 灯笼", LIST_CAPTION)
        self.assertTrue(wait_until(lambda: self.s.controls(LIST_CAPTION)["Memo1"][2].endswith("新谜 打一物 灯笼"), 5),
                        "the typed line did not arrive")
        self.s.screenshot("quiz-list-edited")
        # Back to the quiz window: a click on its banner, beside the list.
        self.s.press(QUIZ_CAPTION, (20, 20))
        self.assertTrue(self.s.wait_focus(QUIZ_CAPTION), "the quiz window did not come to the front")

        lines = fixture_user_lines() + ["新谜 打一物 灯笼"]
        words = [(line.split() + ["", "", ""])[:3] for line in lines]
        # One line per press in order, then round again from the first.
        for number, expected in enumerate(words + words[:1], 1):
            with self.subTest(press=number):
                before = self.press("用户谜库")
                self.assertEqual(self.wait_counter(before + 1), before + 1)
                self.assertEqual(list(self.labels()[0]), expected)
        self.s.screenshot("quiz-user-riddles")

        # The user's riddle stays until the store's riddle changes.
        before = self.press("顺序出谜")
        self.wait_counter(before + 1)
        self.assertIn(self.labels()[0], RIDDLES)
        with open(os.path.join(self.s.folder, "dm.txt"), "rb") as f:
            self.assertEqual(f.read(), saved, "the unsaved list must not reach dm.txt")


if __name__ == "__main__":
    unittest.main()
