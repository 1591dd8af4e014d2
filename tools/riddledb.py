#!/usr/bin/env python3
"""Riddle database tool.

  riddledb.py build  RIDDLES.tsv OUT.skn   make sk5.skn from the collection
  riddledb.py export IN.skn OUT.tsv        write a database's riddles as TSV

The collection is UTF-8 text, one riddle per line: 谜面<TAB>谜目<TAB>谜底.
Lines starting with '#' and blank lines are ignored.
"""
import os
import sqlite3
import sys

SCHEMA = 'CREATE TABLE "灯谜库" ("谜面" TEXT, "谜目" TEXT, "谜底" TEXT)'


def read_tsv(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 3:
                sys.exit(f"{path}:{number}: expected 3 tab-separated fields, got {len(fields)}")
            rows.append(tuple(fields))
    return rows


def build(tsv, out):
    rows = read_tsv(tsv)
    tmp = out + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    db.execute(SCHEMA)
    db.executemany('INSERT INTO "灯谜库" VALUES (?, ?, ?)', rows)
    db.commit()
    db.close()
    os.replace(tmp, out)


def export(skn, tsv):
    db = sqlite3.connect(f"file:{skn}?mode=ro", uri=True)
    with open(tsv, "w", encoding="utf-8", newline="\n") as f:
        for row in db.execute('SELECT "谜面", "谜目", "谜底" FROM "灯谜库" ORDER BY rowid'):
            f.write("\t".join("" if v is None else v for v in row) + "\n")
    db.close()


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] not in ("build", "export"):
        sys.exit(__doc__)
    {"build": build, "export": export}[sys.argv[1]](sys.argv[2], sys.argv[3])
