#!/usr/bin/env bash
# The test command: bootstrap if needed, build both builds, run every test
# (host ctest incl. brief fuzz runs, Win32 tests under Wine in two locales,
# end-to-end tests on Xvfb), print each runner's summary and a final
# "N passed, N failed, N skipped" line.  Counts come from the runners'
# reports (ctest's JUnit, GoogleTest's XML, the e2e runner's JSON), never
# from their text; a skipped test is never counted as passed.  Exits
# non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/common.sh"

set -e
yq_bootstrap
YQ_WERROR=${YQ_WERROR:-ON} yq_build host mingw
set +e

passed=0
failed=0
skipped=0
add() { passed=$((passed + $1)); failed=$((failed + $2)); skipped=$((skipped + $3)); }
counts() { python3 "$ROOT/scripts/test_counts.py" "$@"; }

# The sources keep the checked-in clang-format style: each file that
# deviates is one failure.
echo "== formatting =="
deviating=$(cd "$ROOT" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run 2>&1 |
  sed -nE 's/^([^:]+):[0-9]+:[0-9]+: warning: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$deviating" ]; then
  echo "not clang-formatted:"; echo "$deviating" | sed 's/^/  /'
  add 0 "$(echo "$deviating" | wc -l)" 0
else
  echo "every source file is clang-formatted"
  add 1 0 0
fi

echo "== host tests =="
junit=$ROOT/build/host/ctest-junit.xml
rm -f "$junit"
out=$(ctest --test-dir "$ROOT/build/host" --output-on-failure -j "$(nproc)" --output-junit "$junit" 2>&1)
echo "$out" | grep -E 'tests passed|Failed|\*\*\*' || true
read -r p f s < <(counts junit "$junit")
echo "host: $p passed, $f failed, $s skipped"
add "$p" "$f" "$s"

# The riddle collection's counts (the ctest entry riddle_collection above
# is what passes or fails on them).
echo "== riddle collection =="
python3 "$ROOT/tools/riddledb.py" check --min 15 --source "$ROOT/data/riddles.tsv" \
  "$ROOT/build/host/tests/host/sk5.skn" "$ROOT/data/categories.ini" || true

# Win32 tests: one ctest per executable and locale; the cases are counted
# from the XML reports GoogleTest writes.
echo "== Win32 tests (Wine) =="
results=$ROOT/build/mingw/gtest-results
rm -rf "$results" && mkdir -p "$results/zh_CN"
out=$(GTEST_OUTPUT="xml:Z:$results/" ctest --test-dir "$ROOT/build/mingw" -L win32 --output-on-failure 2>&1)
echo "$out" | grep -E 'tests passed|Failed|\*\*\*|FAILED  \]' || true
read -r p f s < <(counts gtest "$results")
# An executable that crashed writes no report, and a failed SetUpTestSuite
# marks its cases skipped with only the exit code telling: every executable
# ctest saw fail is at least one failure.
bad=$(echo "$out" | sed -nE 's/.* ([0-9]+) tests failed out of [0-9]+.*/\1/p' | tail -n1)
[ "${bad:-0}" -gt "$f" ] && f=$bad
echo "Win32: $p passed, $f failed, $s skipped"
add "$p" "$f" "$s"

echo "== end-to-end tests (Wine + Xvfb) =="
report=$ROOT/build/e2e-report.json
rm -f "$report"
out=$(cd "$ROOT/tests/e2e" && python3 run.py "$report" 2>&1)
echo "$out" | grep -E '^(Ran|OK|FAILED|FAIL:|ERROR:|window ")' || true
read -r p f s < <(counts e2e "$report")
echo "end-to-end: $p passed, $f failed, $s skipped"
add "$p" "$f" "$s"
if [ "$f" -gt 0 ]; then echo "$out" | sed -n '/^=====/,$p' | head -n 80; fi

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
