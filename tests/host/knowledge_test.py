"""灯谜知识 (app/companion/KnowledgeText.cpp) against the shipped collection:
every example it shows is a riddle of data/riddles.tsv, word for word, and
every 谜格 it teaches is an item of data/categories.ini with riddles of its
own.  Run by ctest with YQ_SOURCE_DIR pointing at the source tree."""
import os
import re
import unittest

ROOT = os.environ.get("YQ_SOURCE_DIR") or os.path.join(os.path.dirname(__file__), "../..")


def read(*parts):
    with open(os.path.join(ROOT, *parts), encoding="utf-8") as f:
        return f.read()


def wide_strings(call):
    """The L"..." literals of one call, adjacent literals joined."""
    parts = re.findall(r'L"((?:[^"\\]|\\.)*)"|(,)', call)
    args, current = [], ""
    for text, comma in parts:
        if comma:
            args.append(current)
            current = ""
        else:
            current += text
    return args + [current]


class KnowledgeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        source = read("app", "companion", "KnowledgeText.cpp")
        cls.examples = [wide_strings(m) for m in re.findall(r"\bExample\((L\".*?)\),\n", source, re.S)]
        section = re.search(r'Heading\(L"[^"]*常见谜格"\)(.*?)Heading\(', source, re.S).group(1)
        cls.formats = re.findall(r'Item\(L"([^"]*格)："', section)
        cls.riddles = set()
        for line in read("data", "riddles.tsv").splitlines():
            if line.strip() and not line.startswith("#"):
                cls.riddles.add(tuple(line.split("\t")[:3]))
        cls.items = set()
        for line in read("data", "categories.ini").splitlines():
            if "=" in line:
                cls.items.update(w for w in line.split("=", 1)[1].split(" ") if w)

    def test_every_example_is_a_riddle_of_the_collection(self):
        self.assertGreater(len(self.examples), 10)
        for face, target, answer, _ in self.examples:
            self.assertIn((face, target, answer), self.riddles, f"{face} {target} {answer}")

    def test_every_format_taught_is_a_category_with_riddles(self):
        self.assertGreaterEqual(len(self.formats), 10)
        for name in self.formats:
            self.assertIn(name, self.items)
            self.assertTrue(any(f"（{name}）" in target for _, target, _ in self.riddles), name)
            self.assertTrue(any(f"（{name}）" in target for _, target, _, _ in self.examples),
                            f"{name} is taught without an example")


if __name__ == "__main__":
    unittest.main()
