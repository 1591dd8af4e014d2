"""The browser window with the fixture database: category items, the sort
toggle on the column titles, and both searches with their messages.  One
program session serves the whole class; each test starts from a category
click of its own."""
import unittest

from harness import (BROWSER_BUTTONS, BROWSER_FIRST_ROW, BROWSER_TITLES, MAIN_CAPTION, QUIZ_CAPTION,
                     Session, fixture_riddles, gbk_key, install_fixture, wait_until)

RIDDLES = fixture_riddles()
FIELD = {"谜面": 0, "谜目": 1}
# The first group's items, as the fixture's sk2.skn lists them (two spaces
# between them still make two items).
ITEM_ONE_CHARACTER, ITEM_IDIOM = 0, 1


def category(word):
    return [r for r in RIDDLES if word in r[1]]


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = Session(prepare=install_fixture).__enter__()
        if not cls.s.wait_ready(MAIN_CAPTION):
            cls.s.close()
            raise AssertionError("the browser window did not appear")
        if not cls.s.open_and_hide_quiz():
            cls.s.close()
            raise AssertionError("the quiz window did not open and close")

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def show_category(self, index, word):
        self.s.click_category(index)
        first = category(word)[0]
        self.assertEqual(self.s.wait_grid((1, len(category(word)), first[0], first[1])),
                         (1, len(category(word)), first[0], first[1]))

    def grid_rows(self, count):
        """The grid's rows from the first, walked with the Down key."""
        # A click on the first row (already current) gives the grid the keys.
        self.s.press(MAIN_CAPTION, BROWSER_FIRST_ROW)
        self.assertTrue(self.s.settle(MAIN_CAPTION))
        rows = [self.s.grid()]
        self.assertEqual(rows[0][0], 1)
        for _ in range(count - 1):
            self.s.key("Down")
            wait_until(lambda: self.s.grid()[0] == rows[-1][0] + 1, timeout=5)
            rows.append(self.s.grid())
        return [(m, t) for _, _, m, t in rows]

    def search(self, item, text):
        """Runs a search from the 搜索 menu (item 0 搜索谜面, 1 搜索谜底) with
        `text` typed into the input box."""
        self.s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
        self.assertTrue(self.s.choose_from_popup(item, 2), "the search menu did not pop up")
        self.assertTrue(self.s.wait_window("谜面搜索"), "the input box did not appear")
        self.s.type_text(text, "谜面搜索")
        self.s.key("Return")
        wait_until(lambda: not self.s.find_window("谜面搜索"), timeout=5)

    def test_category_item_shows_its_first_riddle_everywhere(self):
        for index, word in ((ITEM_ONE_CHARACTER, "打一字"), (ITEM_IDIOM, "成语")):
            with self.subTest(word):
                self.show_category(index, word)
                first = category(word)[0]
                texts = [t for _, _, t in self.s.controls_of_class(QUIZ_CAPTION, "TDBText")]
                self.assertEqual(sorted(texts), sorted(first), "the quiz labels follow the store")
                answer = self.s.controls_of_class(MAIN_CAPTION, "TDBText")
                self.assertEqual([t for _, _, t in answer], [first[2]], "the header's answer label")
        self.s.screenshot("browser-category")

    def test_sort_toggle_on_each_column_title(self):
        self.show_category(ITEM_IDIOM, "成语")
        rows = [(m, t) for m, t, _ in category("成语")]

        def ordered(field, descending):
            return sorted(rows, key=lambda r: gbk_key(r[FIELD[field]]), reverse=descending)
        self.assertNotIn(rows, [ordered(f, d) for f in FIELD for d in (False, True)],
                         "the fixture shows every sort")
        steps = [("谜面", ordered("谜面", False)), ("谜面", ordered("谜面", True)),
                 ("谜面", ordered("谜面", False)), ("谜目", ordered("谜目", False)),
                 ("谜目", ordered("谜目", True)), ("谜目", ordered("谜目", False))]
        for number, (title, expected) in enumerate(steps, 1):
            with self.subTest(step=number, title=title):
                self.s.press(MAIN_CAPTION, BROWSER_TITLES[title])
                self.s.wait_grid((1, 3, *expected[0]))
                self.assertEqual(self.grid_rows(3), expected)
        # The remembered field outlives a new query: after 谜目 ascending and
        # a category click, the next 谜目 click sorts descending.
        self.show_category(ITEM_IDIOM, "成语")
        self.assertEqual(self.grid_rows(3), rows, "a new query shows the engine's order")
        self.s.press(MAIN_CAPTION, BROWSER_TITLES["谜目"])
        self.s.wait_grid((1, 3, *ordered("谜目", True)[0]))
        self.assertEqual(self.grid_rows(3), ordered("谜目", True))
        self.s.screenshot("browser-sorted")

    def test_search_by_riddle_text_and_by_answer(self):
        cases = [
            # menu item, typed text, expected rows (the ASCII letters are dropped)
            (0, "a千里b", [r for r in RIDDLES if "千里" in r[0]]),
            (1, "相呼", [r for r in RIDDLES if "相呼" in r[2]]),
        ]
        for item, text, expected in cases:
            with self.subTest(text):
                self.show_category(ITEM_ONE_CHARACTER, "打一字")
                self.search(item, text)
                self.assertEqual(self.s.wait_grid((1, len(expected), *expected[0][:2])),
                                 (1, len(expected), *expected[0][:2]))
                self.assertIsNone(self.s.message_box(timeout=1), "a search with results shows no message")
        self.s.screenshot("browser-search")

    def test_search_messages(self):
        cases = [
            ("abc", "请输入搜索关键字"),
            ("x鑫y", "鑫 没有搜索到结果！"),
        ]
        for text, message in cases:
            with self.subTest(text):
                self.search(0, text)
                self.assertEqual(self.s.message_box(), message)
                self.s.screenshot("browser-search-message")
                self.assertTrue(self.s.answer_box())
        # The search without a match left the empty result in the grid.
        self.assertEqual(self.s.grid(), (0, 0, "", ""))


if __name__ == "__main__":
    unittest.main()


class KnowledgeButtonTest(unittest.TestCase):
    def test_knowledge_button_starts_the_companion_program(self):
        with Session(prepare=install_fixture) as s:
            self.assertTrue(s.wait_ready(MAIN_CAPTION), "the browser window did not appear")
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["灯谜知识"])
            wid = s.wait_window("灯谜知识")
            self.assertTrue(wid, "the companion program did not open")
            # Centred on the screen.
            g = s.window_geometry(wid)
            width, height = (int(v) for v in s.xdotool("getdisplaygeometry").split())
            self.assertLessEqual(abs(g["X"] + g["WIDTH"] // 2 - width // 2), 16, g)
            self.assertLessEqual(abs(g["Y"] + g["HEIGHT"] // 2 - height // 2), 24, g)
            # A second click brings the running copy forward instead of
            # starting another: the copy it starts hands over and ends.
            s.press(MAIN_CAPTION, BROWSER_BUTTONS["灯谜知识"])
            self.assertTrue(s.settle(MAIN_CAPTION))
            self.assertTrue(wait_until(lambda: s.processes().count("yqzs.exe") == 1, 10),
                            f"a second copy is still running: {s.processes()}")
            self.assertTrue(wait_until(lambda: s.xdotool("getwindowfocus").strip() == str(wid), 10),
                            "the running copy was not brought to the front")
            ids = s.search("^灯谜知识$")
            self.assertEqual(len(ids), 1, "a second copy was started")
            s.screenshot("browser-knowledge")
            s.close_window("灯谜知识", (100, 100))
            self.assertTrue(wait_until(lambda: not s.find_window("灯谜知识"), timeout=10))
            self.assertIsNone(s.program.poll(), "the program ended with the companion")
