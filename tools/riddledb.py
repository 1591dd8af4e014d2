#!/usr/bin/env python3
"""Riddle database tool (sk5.skn: SQLite, table 灯谜库 with TEXT columns
谜面, 谜目, 谜底).

  riddledb.py build  RIDDLES.tsv OUT.skn
      make a new database from the collection (UTF-8, 谜面<TAB>谜目<TAB>谜底)
  riddledb.py export IN.skn OUT.tsv
      write a database's riddles as such text, in table order
  riddledb.py import [--format tsv|csv|space] [--encoding utf-8|gbk] TEXT DB.skn
      add riddles from a text file to a database (created when missing):
      tab- or comma-separated, or dm.txt-style lines of three words
      separated by spaces; UTF-8 or GBK (both detected unless given)
  riddledb.py check [--min N] DB.skn [CATEGORIES.ini]
      check the table and its columns, count riddles, find empty fields and
      riddle texts that occur twice; with a category file (section [setup],
      space-separated items, UTF-8 or GBK), count the riddles whose 谜目
      contains each item and fail below N (default 1)

Lines starting with '#' and blank lines are ignored.  An import runs in one
transaction: it is added whole or not at all.  Import reports the riddles
added, the duplicates skipped (all three fields equal to a riddle already
there or read before) and every rejected line with its number.
"""
import argparse
import csv
import io
import os
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


def content_lines(text):
    """(line number, line) of every line that is neither blank nor a comment."""
    for number, line in enumerate(text.splitlines(), 1):
        if line.strip() and not line.startswith("#"):
            yield number, line


def split_tsv(text):
    for number, line in content_lines(text):
        yield number, line.split("\t")


def split_space(text):
    for number, line in content_lines(text):
        yield number, line.split(" ")  # only the ASCII space separates


def split_csv(text):
    kept = "\n".join("" if not line.strip() or line.startswith("#") else line
                     for line in text.splitlines())
    reader = csv.reader(io.StringIO(kept))
    try:
        for fields in reader:
            if fields:
                yield reader.line_num, fields
    except csv.Error as e:
        yield reader.line_num, e


def records(text, form):
    if form == "space":
        return ((n, [w for w in f if w]) for n, f in split_space(text))
    return {"tsv": split_tsv, "csv": split_csv}[form](text)


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
    rows = []
    with open(path, "rb") as f:
        text = decode(f.read(), path, "utf-8")
    for number, fields in split_tsv(text):
        if len(fields) != 3:
            raise ToolError(f"{path}:{number}: expected 3 tab-separated fields, got {len(fields)}")
        rows.append(tuple(fields))
    return rows


def build(tsv, out):
    rows = read_collection(tsv)
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


def import_text(text_path, skn, form=None, encoding=None, out=sys.stdout):
    with open(text_path, "rb") as f:
        text = decode(f.read(), text_path, encoding)
    form = form or detect_format(text)
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
        for number, fields in records(text, form):
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
          f"rejected {len(rejected)} line(s)", file=out)
    notes = [(n, f"skipped, {r}") for n, r in skipped] + [(n, f"rejected, {r}") for n, r in rejected]
    for number, note in sorted(notes):
        print(f"  line {number}: {note}", file=out)
    return added, skipped, rejected


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


def check(skn, categories=None, minimum=1, out=sys.stdout):
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
        for key, items in read_categories(categories) if categories else []:
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
    p.add_argument("text")
    p.add_argument("skn")
    p = commands.add_parser("check")
    p.add_argument("--min", type=int, default=1)
    p.add_argument("skn")
    p.add_argument("categories", nargs="?")
    args = parser.parse_args(argv)
    try:
        if args.command == "build":
            build(args.tsv, args.out)
        elif args.command == "export":
            export(args.skn, args.tsv)
        elif args.command == "import":
            import_text(args.text, args.skn, args.format, args.encoding)
        elif not check(args.skn, args.categories, args.min):
            return 1
    except (ToolError, OSError, sqlite3.Error) as e:
        print(f"riddledb: {e}", file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
