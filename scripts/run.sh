#!/usr/bin/env bash
# The run command: bootstrap if needed, build, lay out the installation
# folder and start the program there under Wine.  With no display, runs on
# a private Xvfb, saves a screenshot of the main window and prints its path.
#   scripts/run.sh [--dir FOLDER] [--shot FILE.png] [--window CAPTION]
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/xsession.sh"

dir=$ROOT/build/mingw/dist
shot=$ROOT/build/screenshots/main.png
window="云樵 V2016.08.15"
while [ $# -gt 0 ]; do
  case $1 in
    --dir) dir=$2; shift 2 ;;
    --shot) shot=$2; shift 2 ;;
    --window) window=$2; shift 2 ;;
    *) echo "usage: $0 [--dir FOLDER] [--shot FILE.png] [--window CAPTION]" >&2; exit 2 ;;
  esac
done

yq_bootstrap
yq_build host mingw >/dev/null
if [ "$dir" != "$ROOT/build/mingw/dist" ]; then
  mkdir -p "$dir"
  cp -a "$ROOT/build/mingw/dist/." "$dir/"
fi
export WINEPREFIX=$YQ_CACHE/wine-x11
# Wine's own texts in Chinese, as on a Chinese Windows (the bootstrap makes
# the locale); the program itself does not depend on it.
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
cd "$dir"

if [ -n "${DISPLAY:-}" ]; then
  exec wine ./yunqiao.exe
fi

exec 9>"$YQ_CACHE/wine-x11.lock"
flock 9 # one program session at a time in the shared X prefix
trap 'yq_xstop' EXIT
yq_xstart
wine ./yunqiao.exe &
pid=$!
wid=
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --name "^${window}\$" 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
status=0
if [ -n "$wid" ]; then
  sleep 1.5 # let the window finish painting
  mkdir -p "$(dirname "$shot")"
  import -window root -display "$DISPLAY" "$shot"
  echo "$shot"
else
  echo "the window \"$window\" did not appear" >&2
  status=1
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
timeout 10 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
exit $status
