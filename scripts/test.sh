#!/usr/bin/env bash
# The test command: bootstrap if needed, build both builds, run every test
# (host ctest incl. brief fuzz runs, Win32 tests under Wine, end-to-end
# tests on Xvfb), print each runner's summary and a final
# "N passed, N failed" line.  Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/common.sh"

set -e
yq_bootstrap
yq_build host mingw
set +e

passed=0
failed=0
add() { passed=$((passed + $1)); failed=$((failed + $2)); }

# ctest's own summary gives the host counts (gtest cases are discovered one
# by one; each fuzzer is one test).
echo "== host tests =="
out=$(ctest --test-dir "$ROOT/build/host" --output-on-failure -j "$(nproc)" 2>&1)
echo "$out" | grep -E 'tests passed|Failed|\*\*\*' || true
line=$(echo "$out" | grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' | tail -n1)
if [ -n "$line" ]; then
  total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
  bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')
  add $((total - bad)) "$bad"
elif ! echo "$out" | grep -q 'No tests were found'; then
  echo "$out"; add 0 1
fi

# The riddle collection's counts (the ctest entry riddle_collection above
# is what passes or fails on them).
echo "== riddle collection =="
python3 "$ROOT/tools/riddledb.py" check --min 15 --source "$ROOT/data/riddles.tsv" \
  "$ROOT/build/host/tests/host/sk5.skn" "$ROOT/data/categories.ini" || true

# Win32 tests: one ctest per executable; the cases are counted from the
# XML reports GoogleTest writes.
echo "== Win32 tests (Wine) =="
results=$ROOT/build/mingw/gtest-results
rm -rf "$results" && mkdir -p "$results"
out=$(GTEST_OUTPUT="xml:Z:$results/" ctest --test-dir "$ROOT/build/mingw" -L win32 --output-on-failure 2>&1)
echo "$out" | grep -E 'tests passed|Failed|\*\*\*|FAILED  \]' || true
read -r p f < <(python3 "$ROOT/scripts/gtest_counts.py" "$results")
# An executable that crashed writes no report: count it as one failure.
crashed=$(echo "$out" | grep -cE '\*\*\*(Exception|Timeout)|Child aborted|SEGFAULT' || true)
f=$((f + crashed))
# A failed SetUpTestSuite marks its cases skipped in the report and only the
# exit code tells: every executable ctest saw fail is at least one failure.
bad=$(echo "$out" | sed -nE 's/.* ([0-9]+) tests failed out of [0-9]+.*/\1/p' | tail -n1)
[ "${bad:-0}" -gt "$f" ] && f=$bad
add "$p" "$f"

echo "== end-to-end tests (Wine + Xvfb) =="
out=$(cd "$ROOT/tests/e2e" && python3 -m unittest discover -p 'test_*.py' 2>&1)
echo "$out" | grep -E '^(Ran|OK|FAILED|FAIL:|ERROR:)' || true
ran=$(echo "$out" | sed -nE 's/^Ran ([0-9]+) tests?.*/\1/p')
bad=$(echo "$out" | sed -nE 's/^FAILED \((.*)\)/\1/p' | grep -oE '[0-9]+' | awk "{s+=\$1} END {print s+0}")
[ -z "$ran" ] && { echo "$out"; ran=0; bad=1; }
[ -z "$bad" ] && bad=0
add $((ran - bad > 0 ? ran - bad : 0)) "$bad"
if [ "$bad" -gt 0 ]; then echo "$out" | sed -n '/^=====/,$p' | head -n 80; fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
