"""Tests of tools/riddledb.py: export/import round trip, import formats and
report, bad input, check.  Run by ctest with RIDDLEDB pointing at the tool."""
import importlib.util
import io
import os
import sqlite3
import subprocess
import sys
import tempfile
import unittest

TOOL = os.environ.get("RIDDLEDB") or os.path.join(os.path.dirname(__file__), "../../tools/riddledb.py")
spec = importlib.util.spec_from_file_location("riddledb", TOOL)
riddledb = importlib.util.module_from_spec(spec)
spec.loader.exec_module(riddledb)

COLLECTION = """# 谜面\t谜目\t谜底
一口咬掉牛尾巴\t打一字\t告
他说"好", 我说"不"\t打"引号"字\t答
百分之百%_\t打一成语（卷帘格）\t十全十美
 前有空格 \t打一字\t 后也有 
全角　空格\t打一字\t口
"""


def rows(path):
    db = sqlite3.connect(path)
    try:
        return db.execute('SELECT "谜面", "谜目", "谜底" FROM "灯谜库" ORDER BY rowid').fetchall()
    finally:
        db.close()


class RiddleDbTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def write(self, name, data):
        mode = "wb" if isinstance(data, bytes) else "w"
        with open(self.path(name), mode, **({} if mode == "wb" else {"encoding": "utf-8"})) as f:
            f.write(data)
        return self.path(name)

    def run_import(self, text, skn, **kwargs):
        report = io.StringIO()
        result = riddledb.import_text(text, skn, out=report, **kwargs)
        return result, report.getvalue()

    def test_export_then_import_into_an_empty_database_gives_the_same_rows(self):
        riddledb.build(self.write("c.tsv", COLLECTION), self.path("sk5.skn"))
        riddledb.export(self.path("sk5.skn"), self.path("out.tsv"))
        open(self.path("empty.skn"), "wb").close()  # an empty file is an empty database
        for target in ("new.skn", "empty.skn"):
            (added, skipped, rejected, comments), _ = self.run_import(self.path("out.tsv"), self.path(target))
            self.assertEqual((added, skipped, rejected, comments), (5, [], [], []))
            self.assertEqual(rows(self.path(target)), rows(self.path("sk5.skn")))
        self.assertEqual(len(rows(self.path("sk5.skn"))), 5)

    def test_import_reads_each_format_and_reports_every_line_it_left_out(self):
        riddledb.build(self.write("c.tsv", COLLECTION), self.path("sk5.skn"))
        csv_text = '\ufeff谜甲,打一字,"甲,乙"\n一口咬掉牛尾巴,打一字,告\n只有两段,打一字\n谜甲,打一字,"甲,乙"\n'
        (added, skipped, rejected, _), report = self.run_import(self.write("a.csv", csv_text), self.path("sk5.skn"))
        self.assertEqual(added, 1)
        self.assertEqual(skipped, [(2, "duplicate of the database"), (4, "duplicate of line 1")])
        self.assertEqual(rejected, [(3, "expected 3 fields, got 2")])
        self.assertIn("added 1, skipped 2 duplicate(s), rejected 1 line(s), left out 0 '#' line(s)", report)
        self.assertIn("line 3: rejected", report)
        dm = "  谜乙  打一字 答乙\nsui1\n谜丙 打一字 \u3000\n谜丁 打一字 答丁 多余\n".encode("gbk")
        (added, _, rejected, _), _ = self.run_import(self.write("dm.txt", dm), self.path("sk5.skn"))
        self.assertEqual(added, 1)
        self.assertEqual([n for n, _ in rejected], [2, 3, 4])
        self.assertEqual(rows(self.path("sk5.skn"))[-2:], [("谜甲", "打一字", "甲,乙"), ("谜乙", "打一字", "答乙")])

    def test_import_lists_the_hash_lines_it_left_out_or_reads_them_as_riddles(self):
        text = self.write("h.tsv", "# 注释\n谜\t打一字\t底\n\n#井号开头的谜\t打一字\t井\n")
        (added, _, _, comments), report = self.run_import(text, self.path("a.skn"))
        self.assertEqual((added, comments), (1, [1, 4]))
        self.assertIn("left out 2 '#' line(s)", report)
        self.assertIn("line 4: left out, starts with '#'", report)
        (added, _, rejected, comments), _ = self.run_import(text, self.path("b.skn"), hash_riddles=True)
        self.assertEqual((added, [n for n, _ in rejected], comments), (2, [1], []))
        self.assertEqual(rows(self.path("b.skn"))[-1], ("#井号开头的谜", "打一字", "井"))

    def test_check_finds_what_breaks_the_craft_and_riddles_without_a_note(self):
        cases = [  # 谜面, 谜目, 谜底, fault or None
            ("千里相逢", "打一字", "重", None),
            ("千里相逢", "打一字", "千", "露春 (千)"),
            ("人在云端", "打一字", "会合", "谜底 of 2 character(s) for 打一字"),
            ("高朋满座", "打一成语", "宾客盈门", None),
            ("一二三", "打一成语", "接连", "谜底 of 2 character(s) for 成语"),
            ("看过方知", "打一成语", "百闻不如一见", None),
            ("车祸", "打二字词语（秋千格）", "故事", None),
            ("车祸", "打三字词语（秋千格）", "故事", "谜底 of 2 character(s) for 打三字"),
            ("登高", "打七言唐诗一句", "欲穷千里目", "谜底 of 5 character(s) for 七言"),
            ("始祖", "打《三字经》一句（卷帘格）", "人之初", None),
            ("始祖", "打一句（燕尾格）", "人之初", "谜格 燕尾格 not in the category file"),
        ]
        for face, target, answer, fault in cases:
            faults = riddledb.riddle_faults(face, target, answer, {"卷帘格", "秋千格"})
            self.assertEqual(faults, [fault] if fault else [], (face, target, answer))
        tsv = self.write("c.tsv", "谜\t打一字\t底\t扣合\n甲\t打一字\t乙\n丙\t打一字\t丁\t含#号\n")
        riddledb.build(tsv, self.path("sk5.skn"))
        self.assertEqual(len(rows(self.path("sk5.skn"))[0]), 3)
        report = io.StringIO()
        self.assertFalse(riddledb.check(self.path("sk5.skn"), out=report, source=tsv))
        self.assertIn("without a note: 2", report.getvalue())
        self.assertIn(f"problem: {tsv}:2: 甲: no 扣合 note", report.getvalue())
        self.assertIn("per 谜目: 打一字 3", report.getvalue())
        self.assertTrue(riddledb.check(self.path("sk5.skn"), out=io.StringIO()))

    def test_bad_input_leaves_the_database_as_it_was(self):
        riddledb.build(self.write("c.tsv", COLLECTION), self.path("sk5.skn"))
        with open(self.path("sk5.skn"), "rb") as f:
            before = f.read()
        good = self.write("good.tsv", "谜\t打一字\t底\n")
        self.write("other.skn", b"")
        sqlite3.connect(self.path("other.skn")).execute("CREATE TABLE 灯谜库 (谜面 TEXT)").connection.close()
        cases = [
            (self.write("bad.txt", b"\xff\xfe\xfd\n"), self.path("sk5.skn"), "neither UTF-8 nor GBK"),
            (self.write("bad2.txt", b"\x80\n"), self.path("fresh.skn"), "neither UTF-8 nor GBK"),
            (good, self.write("junk.skn", b"x" * 4096), "not a database"),
            (good, self.path("other.skn"), r"lacks the column\(s\) 谜目, 谜底"),
        ]
        for text, skn, message in cases:
            with self.assertRaisesRegex((riddledb.ToolError, sqlite3.Error), message):
                self.run_import(text, skn)
        self.assertFalse(os.path.exists(self.path("fresh.skn")))
        # Held by a running program: refused at once.
        holder = sqlite3.connect(self.path("sk5.skn"), isolation_level=None)
        holder.execute("PRAGMA locking_mode=EXCLUSIVE")
        holder.execute("BEGIN EXCLUSIVE")
        with self.assertRaisesRegex((riddledb.ToolError, sqlite3.Error), "locked"):
            self.run_import(good, self.path("sk5.skn"))
        holder.execute("COMMIT")
        holder.close()
        with open(self.path("sk5.skn"), "rb") as f:
            self.assertEqual(f.read(), before)

    def test_export_refuses_riddles_that_no_line_can_hold(self):
        riddledb.build(self.write("c.tsv", "a\tb\tc\n"), self.path("sk5.skn"))
        db = sqlite3.connect(self.path("sk5.skn"))
        db.execute("UPDATE 灯谜库 SET 谜底 = 'x\ny'")
        db.commit()
        db.close()
        with self.assertRaisesRegex(riddledb.ToolError, "riddle 1"):
            riddledb.export(self.path("sk5.skn"), self.path("out.tsv"))
        self.assertFalse(os.path.exists(self.path("out.tsv")))

    def test_check_counts_category_items_and_fails_below_the_minimum(self):
        sound = "一口咬掉牛尾巴\t打一字\t告\n千里相逢\t打一字\t重\n人在云端\t打一字\t会\n百分之百\t打一成语（卷帘格）\t十全十美\n"
        riddledb.build(self.write("c.tsv", sound), self.path("sk5.skn"))
        ini = self.write("sk2.skn", "[setup]\r\nzici=打一字  成语\r\nother=地名\r\ndaige=卷帘格\r\n".encode("gbk"))
        report = io.StringIO()
        self.assertTrue(riddledb.check(self.path("sk5.skn"), ini, 0, out=report))
        self.assertIn("[zici] 打一字: 3", report.getvalue())
        self.assertIn("[zici] 成语: 1", report.getvalue())
        self.assertFalse(riddledb.check(self.path("sk5.skn"), ini, 1, out=io.StringIO()))
        result = subprocess.run([sys.executable, TOOL, "check", "--min", "2", self.path("sk5.skn"), ini],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("problem: category item 成语 (zici) matches 1 riddle(s), fewer than 2", result.stdout)
        result = subprocess.run([sys.executable, TOOL, "export", self.path("none.skn"), self.path("o.tsv")],
                                capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stderr.strip()),
                         (2, f"riddledb: {self.path('none.skn')}: no such database"))


if __name__ == "__main__":
    unittest.main()
