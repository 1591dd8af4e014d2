#!/usr/bin/env python3
"""test_counts.py KIND PATH: prints "<passed> <failed> <skipped>".

  junit FILE    ctest's JUnit report (--output-junit)
  gtest FOLDER  the GoogleTest XML reports in FOLDER and its sub-folders
  e2e FILE      the JSON report of tests/e2e/run.py

A skipped test is counted as skipped, never as passed; a report that cannot
be read counts as one failure."""
import glob
import json
import os
import sys
import xml.etree.ElementTree as ET


def junit(path):
    passed = failed = skipped = 0
    for case in ET.parse(path).getroot().iter("testcase"):
        status = case.get("status")
        if case.find("failure") is not None or case.find("error") is not None or status == "fail":
            failed += 1
        elif case.find("skipped") is not None or status == "disabled":
            skipped += 1
        elif status == "notrun":  # not started at all (a missing executable)
            failed += 1
        else:
            passed += 1
    return passed, failed, skipped


def gtest(folder):
    passed = failed = skipped = 0
    for path in glob.glob(os.path.join(folder, "**", "*.xml"), recursive=True):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError:
            failed += 1
            continue
        for case in root.iter("testcase"):
            if case.find("failure") is not None:
                failed += 1
            elif case.get("status") == "notrun" or case.get("result") == "skipped":
                skipped += 1
            else:
                passed += 1
    return passed, failed, skipped


def e2e(path):
    report = json.load(open(path, encoding="utf-8"))
    return report["passed"], report["failed"], report["skipped"]


def main():
    kind, path = sys.argv[1], sys.argv[2]
    try:
        counts = {"junit": junit, "gtest": gtest, "e2e": e2e}[kind](path)
    except (OSError, ValueError, KeyError, ET.ParseError):
        counts = (0, 1, 0)
    print(*counts)


main()
