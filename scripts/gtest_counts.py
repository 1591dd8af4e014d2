#!/usr/bin/env python3
"""gtest_counts.py FOLDER: prints "<passed> <failed>" summed over the
GoogleTest XML reports in FOLDER."""
import glob
import os
import sys
import xml.etree.ElementTree as ET

passed = failed = 0
for path in glob.glob(os.path.join(sys.argv[1], "*.xml")):
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError:
        failed += 1
        continue
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.get("result") == "skipped":
            continue
        if case.find("failure") is not None:
            failed += 1
        else:
            passed += 1
print(passed, failed)
