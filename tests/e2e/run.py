#!/usr/bin/env python3
"""Runs every end-to-end test (test_*.py here) and writes the counts to the
JSON file named on the command line: {"passed", "failed", "skipped"}.  The
usual unittest report goes to the standard error."""
import json
import os
import sys
import unittest


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    suite = unittest.defaultTestLoader.discover(here, pattern="test_*.py", top_level_dir=here)
    result = unittest.TextTestRunner(verbosity=1).run(suite)
    # A failing sub-test is reported once per sub-test: count its test once.
    failed_ids = {getattr(test, "test_case", test).id() for test, _ in result.failures + result.errors}
    failed = len(failed_ids) + len(result.unexpectedSuccesses)
    skipped = len(result.skipped)
    passed = result.testsRun - failed - skipped
    with open(sys.argv[1], "w", encoding="utf-8") as report:
        json.dump({"passed": passed, "failed": failed, "skipped": skipped}, report)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
