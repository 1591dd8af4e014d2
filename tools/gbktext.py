#!/usr/bin/env python3
"""gbktext.py IN OUT: UTF-8 text -> GBK with CR LF line breaks (sk2.skn, dm.txt)."""
import sys

if len(sys.argv) != 3:
    sys.exit(__doc__)
with open(sys.argv[1], encoding="utf-8") as f:
    lines = f.read().splitlines()
with open(sys.argv[2], "wb") as f:
    f.write("".join(line + "\r\n" for line in lines).encode("gbk"))
