#!/usr/bin/env python3
"""Riddle database tool (sk5.skn: SQLite, table 灯谜库 with TEXT columns
谜面, 谜目, 谜底).

  riddledb.py build  RIDDLES.tsv OUT.skn
      make a new database from the collection (UTF-8, 谜面<TAB>谜目<TAB>谜底,
      optionally <TAB>扣合 note, which stays out of the database)
  riddledb.py export IN.skn OUT.tsv
      write a database's riddles as such text, in table order
  riddledb.py import [--format tsv|csv|space] [--encoding utf-8|gbk]
                     [--hash-riddles] TEXT DB.skn
      add riddles from a text file to a database (created when missing):
      tab- or comma-separated, or dm.txt-style lines of three words
      separated by spaces; UTF-8 or GBK (both detected unless given)
  riddledb.py check [--min N] [--source RIDDLES.tsv] DB.skn [CATEGORIES.ini]
      check the table and its columns, count riddles (per 谜目 and per
      谜格), find empty fields, 谜面 that occur twice, 露春 (a character of
      the 谜底 in the 谜面), a 谜底 whose length contradicts its 谜目; with
      the collection the database was built from, riddles without a note;
      with a category file (section [setup], space-separated items, UTF-8 or
      GBK), 谜格 the file does not list, and the riddles whose 谜目 contains
      each item, failing below N (default 1)

Lines starting with '#' and blank lines are ignored; an import counts and
lists the '#' lines it left out, or reads them as riddles with
--hash-riddles.  An import runs in one transaction: it is added whole or not
at all.  Import reports the riddles added, the duplicates skipped (all three
fields equal to a riddle already there or read before) and every rejected
line with its number.
"""
import argparse
import csv
import io
import os
import re
import sqlite3
import sys

TABLE = "灯谜库"
FIELDS = ("谜面", "谜目", "谜底")
SCHEMA = 'CREATE TABLE "灯谜库" ("谜面" TEXT, "谜目" TEXT, "谜底" TEXT)'


class ToolError(Exception):
    pass


def decode(data, path, encoding=None):
    """Text of a file read as UTF-8 (BOM allowed) or GBK."""
    names = {"utf-8": ["utf-8-sig"], "gbk": ["gbk"], None: ["utf-8-sig", "gbk"]}[encoding]
    for name in names:
        try:
            return data.decode(name)
        except UnicodeDecodeError as e:
            error = e
    line = data[: error.start].count(b"\n") + 1
    raise ToolError(f"{path}:{line}: neither UTF-8 nor GBK text" if not encoding
                    else f"{path}:{line}: not {encoding} text")


def is_comment(line, hash_riddles=False):
    return not hash_riddles and line.startswith("#")


def comment_lines(text):
    """Numbers of the lines that start with '#'."""
    return [number for number, line in enumerate(text.splitlines(), 1) if is_comment(line)]


def content_lines(text, hash_riddles=False):
    """(line number, line) of every line that is neither blank nor a comment."""
    for number, line in enumerate(text.splitlines(), 1):
        if line.strip() and not is_comment(line, hash_riddles):
            yield number, line


def split_tsv(text, hash_riddles=False):
    for number, line in content_lines(text, hash_riddles):
        yield number, line.split("\t")


def split_space(text, hash_riddles=False):
    for number, line in content_lines(text, hash_riddles):
        yield number, line.split(" ")  # only the ASCII space separates


def split_csv(text, hash_riddles=False):
    kept = "\n".join("" if not line.strip() or is_comment(line, hash_riddles) else line
                     for line in text.splitlines())
    reader = csv.reader(io.StringIO(kept))
    try:
        for fields in reader:
            if fields:
                yield reader.line_num, fields
    except csv.Error as e:
        yield reader.line_num, e


def records(text, form, hash_riddles=False):
    if form == "space":
        return ((n, [w for w in f if w]) for n, f in split_space(text, hash_riddles))
    return {"tsv": split_tsv, "csv": split_csv}[form](text, hash_riddles)


def detect_format(text):
    """tsv when any line holds a tab, else whichever of csv and space reads
    more lines as three fields."""
    lines = [line for _, line in content_lines(text)]
    if any("\t" in line for line in lines):
        return "tsv"
    fits = {form: sum(1 for _, f in records(text, form) if isinstance(f, list) and len(f) == 3)
            for form in ("csv", "space")}
    return "csv" if fits["csv"] > 0 and fits["csv"] >= fits["space"] else "space"


def connect(path, must_exist):
    if must_exist and not os.path.isfile(path):
        raise ToolError(f"{path}: no such database")
    db = sqlite3.connect(path, isolation_level=None, timeout=0)
    try:
        db.execute("PRAGMA schema_version").fetchone()  # fails on a file that is no database
    except sqlite3.DatabaseError as e:
        db.close()
        raise ToolError(f"{path}: {e}")
    return db


def table_columns(db):
    return [row[1] for row in db.execute(f'PRAGMA table_info("{TABLE}")')]


def check_columns(db, path):
    columns = table_columns(db)
    if not columns:
        raise ToolError(f"{path}: no table {TABLE}")
    missing = [f for f in FIELDS if f not in columns]
    if missing:
        raise ToolError(f"{path}: table {TABLE} lacks the column(s) {', '.join(missing)}")


def read_collection(path):
    """[(line number, 谜面, 谜目, 谜底, note or None)] of a collection."""
    rows = []
    with open(path, "rb") as f:
        text = decode(f.read(), path, "utf-8")
    for number, fields in split_tsv(text):
        if len(fields) not in (3, 4):
            raise ToolError(f"{path}:{number}: expected 3 or 4 tab-separated fields, got {len(fields)}")
        rows.append((number, *fields[:3], fields[3] if len(fields) == 4 else None))
    return rows


def build(tsv, out):
    rows = [row[1:4] for row in read_collection(tsv)]
    tmp = out + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    db.execute(SCHEMA)
    db.executemany(f'INSERT INTO "{TABLE}" VALUES (?, ?, ?)', rows)
    db.commit()
    db.close()
    os.replace(tmp, out)


def export(skn, tsv):
    db = connect(skn, must_exist=True)
    try:
        check_columns(db, skn)
        lines = []
        for rowid, *row in db.execute(f'SELECT rowid, "谜面", "谜目", "谜底" FROM "{TABLE}" ORDER BY rowid'):
            row = ["" if v is None else str(v) for v in row]
            if any(c in v for v in row for c in "\t\r\n") or row[0].startswith("#"):
                raise ToolError(f"{skn}: riddle {rowid} holds a tab or line break, or starts with '#', "
                                "and cannot be written as a line of text")
            lines.append("\t".join(row) + "\n")
    finally:
        db.close()
    with open(tsv, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)


def import_text(text_path, skn, form=None, encoding=None, out=sys.stdout, hash_riddles=False):
    with open(text_path, "rb") as f:
        text = decode(f.read(), text_path, encoding)
    form = form or detect_format(text)
    comments = [] if hash_riddles else comment_lines(text)
    created = not os.path.exists(skn)
    db = None
    added, skipped, rejected = 0, [], []
    try:
        db = connect(skn, must_exist=False)
        db.execute("BEGIN IMMEDIATE")
        if not table_columns(db):
            db.execute(SCHEMA)
        check_columns(db, skn)
        seen = set(db.execute(f'SELECT "谜面", "谜目", "谜底" FROM "{TABLE}"'))
        first_line = {}
        for number, fields in records(text, form, hash_riddles):
            if isinstance(fields, Exception):
                rejected.append((number, str(fields)))
                break
            if len(fields) != 3:
                rejected.append((number, f"expected 3 fields, got {len(fields)}"))
                continue
            empty = [name for name, value in zip(FIELDS, fields) if not value.strip()]
            if empty:
                rejected.append((number, f"empty {', '.join(empty)}"))
                continue
            row = tuple(fields)
            if row in seen:
                where = f"line {first_line[row]}" if row in first_line else "the database"
                skipped.append((number, f"duplicate of {where}"))
                continue
            seen.add(row)
            first_line[row] = number
            db.execute(f'INSERT INTO "{TABLE}" ("谜面", "谜目", "谜底") VALUES (?, ?, ?)', row)
            added += 1
        db.execute("COMMIT")
    except BaseException:
        if db is not None:
            if db.in_transaction:
                db.execute("ROLLBACK")
            db.close()
        if created and os.path.exists(skn):
            os.remove(skn)
        raise
    db.close()
    print(f"{text_path} ({form}): added {added}, skipped {len(skipped)} duplicate(s), "
          f"rejected {len(rejected)} line(s), left out {len(comments)} '#' line(s)", file=out)
    notes = [(n, f"skipped, {r}") for n, r in skipped] + [(n, f"rejected, {r}") for n, r in rejected]
    notes += [(n, "left out, starts with '#' (--hash-riddles reads it as a riddle)") for n in comments]
    for number, note in sorted(notes):
        print(f"  line {number}: {note}", file=out)
    return added, skipped, rejected, comments


def read_categories(path):
    """[(key, [items])] of section [setup], in file order."""
    with open(path, "rb") as f:
        text = decode(f.read(), path)
    groups, in_setup = [], False
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            in_setup = line[1:-1].strip().lower() == "setup"
        elif in_setup and "=" in line and not line.startswith(";"):
            key, value = line.split("=", 1)
            groups.append((key.strip(), [w for w in value.split(" ") if w]))
    return groups


NUMERALS = {c: i for i, c in enumerate("一二三四五六七八九十", 1)}
# 成语 of more than four characters that a 谜目 "打一成语" may name.
LONG_IDIOMS = {"醉翁之意不在酒", "塞翁失马焉知非福", "不入虎穴焉得虎子", "司马昭之心路人皆知",
               "前事不忘后事之师", "百闻不如一见", "一不做二不休", "迅雷不及掩耳", "五十步笑百步",
               "桃李满天下", "英雄无用武之地", "小巫见大巫", "坐山观虎斗", "过五关斩六将"}
FORMAT = re.compile(r"（([^（）]*格)）")


def han(text):
    """The Chinese characters of a text, punctuation and notes in brackets left out."""
    text = FORMAT.sub("", text)
    return [c for c in text if "\u3400" <= c <= "\u9fff" or "\uf900" <= c <= "\ufaff"]


def expected_length(target):
    """The 谜底 length a 谜目 prescribes, with a word for the rule, or None."""
    target = FORMAT.sub("", target)
    m = re.search(r"打([一二三四五六七八九十]+)字", target)
    if m and len(m.group(1)) == 1:
        return NUMERALS[m.group(1)], f"打{m.group(1)}字"
    m = re.search(r"([五七])言", target)
    if m:
        return NUMERALS[m.group(1)], f"{m.group(1)}言"
    if "成语" in target:
        return 4, "成语"
    return None


def riddle_faults(face, target, answer, formats=None):
    """What a riddle breaks of the craft's rules, as short descriptions."""
    faults = []
    shared = sorted(set(han(face)) & set(han(answer)))
    if shared:
        faults.append(f"露春 ({''.join(shared)})")
    rule = expected_length(target)
    length = len(han(answer))
    if rule and length != rule[0] and not (rule[1] == "成语" and answer in LONG_IDIOMS):
        faults.append(f"谜底 of {length} character(s) for {rule[1]}")
    if formats is not None:
        for name in FORMAT.findall(target):
            if name not in formats:
                faults.append(f"谜格 {name} not in the category file")
    return faults


def count_line(label, counts):
    return f"{label}: " + ", ".join(f"{k} {n}" for k, n in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])))


def check(skn, categories=None, minimum=1, out=sys.stdout, source=None):
    db = connect(skn, must_exist=True)
    problems = []
    try:
        check_columns(db, skn)
        count = db.execute(f'SELECT count(*) FROM "{TABLE}"').fetchone()[0]
        print(f"{TABLE}: {count} riddles", file=out)
        empty = db.execute(f'SELECT count(*) FROM "{TABLE}" WHERE ' +
                           " OR ".join(f'trim(coalesce("{f}", \'\')) = \'\'' for f in FIELDS)).fetchone()[0]
        doubled = db.execute(f'SELECT count(*) FROM (SELECT 1 FROM "{TABLE}" GROUP BY "谜面" '
                             'HAVING count(*) > 1)').fetchone()[0]
        print(f"riddles with an empty field: {empty}", file=out)
        print(f"riddle texts that occur more than once: {doubled}", file=out)
        if empty:
            problems.append(f"{empty} riddle(s) with an empty field")
        if doubled:
            problems.append(f"{doubled} riddle text(s) occurring more than once")
        groups = read_categories(categories) if categories else []
        formats = {item for _, items in groups for item in items} if categories else None
        riddles = [["" if v is None else str(v) for v in row] for row in
                   db.execute(f'SELECT rowid, "谜面", "谜目", "谜底" FROM "{TABLE}" ORDER BY rowid')]
        targets, per_format = {}, {}
        for rowid, face, target, answer in riddles:
            kind = FORMAT.sub("", target)
            targets[kind] = targets.get(kind, 0) + 1
            for name in FORMAT.findall(target):
                per_format[name] = per_format.get(name, 0) + 1
            for fault in riddle_faults(face, target, answer, formats):
                problems.append(f"riddle {rowid} {face} | {target} | {answer}: {fault}")
        print(count_line("per 谜目", targets), file=out)
        print(count_line("per 谜格", per_format), file=out)
        if source:
            rows = read_collection(source)
            missing = [(n, face) for n, face, _, _, note in rows if not (note or "").strip() or "#" in note]
            print(f"riddles in {os.path.basename(source)} without a note: {len(missing)}", file=out)
            problems += [f"{source}:{n}: {face}: no 扣合 note, or one holding '#'" for n, face in missing]
            if [tuple(r[1:4]) for r in rows] != [tuple(r[1:]) for r in riddles]:
                problems.append(f"{skn} was not built from {source}")
        for key, items in groups:
            for item in items:
                n = db.execute(f'SELECT count(*) FROM "{TABLE}" WHERE "谜目" LIKE ?',
                               (f"%{item}%",)).fetchone()[0]
                print(f"[{key}] {item}: {n}", file=out)
                if n < minimum:
                    problems.append(f"category item {item} ({key}) matches {n} riddle(s), fewer than {minimum}")
    finally:
        db.close()
    for p in problems:
        print(f"problem: {p}", file=out)
    return not problems


def main(argv):
    parser = argparse.ArgumentParser(description="Riddle database tool", epilog=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    p = commands.add_parser("build")
    p.add_argument("tsv")
    p.add_argument("out")
    p = commands.add_parser("export")
    p.add_argument("skn")
    p.add_argument("tsv")
    p = commands.add_parser("import")
    p.add_argument("--format", choices=("tsv", "csv", "space"))
    p.add_argument("--encoding", choices=("utf-8", "gbk"))
    p.add_argument("--hash-riddles", action="store_true",
                   help="read lines starting with '#' as riddles, not as comments")
    p.add_argument("text")
    p.add_argument("skn")
    p = commands.add_parser("check")
    p.add_argument("--min", type=int, default=1)
    p.add_argument("--source", help="the collection (.tsv) the database was built from")
    p.add_argument("skn")
    p.add_argument("categories", nargs="?")
    args = parser.parse_args(argv)
    try:
        if args.command == "build":
            build(args.tsv, args.out)
        elif args.command == "export":
            export(args.skn, args.tsv)
        elif args.command == "import":
            import_text(args.text, args.skn, args.format, args.encoding, hash_riddles=args.hash_riddles)
        elif not check(args.skn, args.categories, args.min, source=args.source):
            return 1
    except (ToolError, OSError, sqlite3.Error) as e:
        print(f"riddledb: {e}", file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
