#!/usr/bin/env bash
# Creates one of the project's own Wine prefixes (never the user's default):
#   wine-prefix.sh null   headless prefix for the Win32 tests (null graphics driver)
#   wine-prefix.sh x11    prefix for running on a real or virtual X display
# Both have the crash dialog off and font replacements so that the Chinese
# face names render with Debian's CJK fonts.  Prints the prefix path.
set -euo pipefail
driver=${1:-null}
CACHE=${YQ_CACHE:-/var/cache/yunqiao}
export WINEPREFIX=$CACHE/wine-$driver
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
SRC_DIR=$(cd "$(dirname "$0")/.." && pwd)
stamp=$WINEPREFIX/.yunqiao-prefix
want=$(cat "$SRC_DIR/scripts/wine-settings.reg" "$0" | md5sum | cut -c1-32)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  echo "$WINEPREFIX"
  exit 0
fi
echo "[bootstrap] preparing Wine prefix $WINEPREFIX" >&2
mkdir -p "$WINEPREFIX"
DISPLAY= wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Wine here does not look in its own font folder: give the prefix Marlett
# (the caption buttons) from Debian's fonts-wine.  Its Tahoma stays out: it has
# no Chinese glyphs, and without it captions fall back to a CJK font.
cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
# regedit wants UTF-16LE with a BOM and CRLF line ends.
reg=$(mktemp --suffix=.reg)
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$SRC_DIR/scripts/wine-settings.reg"
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="%s"\r\n' "$driver"; } |
  iconv -f UTF-8 -t UTF-16LE >"$reg"
DISPLAY= wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
echo "$want" >"$stamp"
echo "$WINEPREFIX"
