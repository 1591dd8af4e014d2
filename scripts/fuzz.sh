#!/usr/bin/env bash
# Long fuzzing: runs every libFuzzer target of the host build for SECONDS
# (default 1800) on its corpus fuzz/corpus/<target>, then merges what it
# found that covers new code into that folder (to be committed), and prints
# per target the executions and whether a crash was found (its input is
# kept in build/fuzz/<target>/, crash-* files).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -uo pipefail
source "$(dirname "$0")/common.sh"
seconds=${1:-1800}
shift || true
yq_bootstrap >/dev/null
yq_build host >/dev/null || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd "$ROOT/fuzz/corpus" && ls -d -- */ | tr -d /)
fi
status=0
for t in "${targets[@]}"; do
  exe=$ROOT/build/host/fuzz/$t
  [ -x "$exe" ] || { echo "$t: not built"; status=1; continue; }
  work=$ROOT/build/fuzz/$t
  mkdir -p "$work/new"
  log=$work/run.log
  (cd "$work" && "$exe" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
     "$work/new" "$ROOT/fuzz/corpus/$t" >"$log" 2>&1)
  rc=$?
  runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n1)
  crashes=$(ls "$work" | grep -cE '^(crash|leak|timeout|oom)-' || true)
  "$exe" -merge=1 "$ROOT/fuzz/corpus/$t" "$work/new" >/dev/null 2>&1
  echo "$t: ${runs:-?} executions in ${seconds} s, exit $rc, ${crashes} finding(s)"
  [ "$rc" -eq 0 ] && [ "$crashes" -eq 0 ] || status=1
done
exit $status
