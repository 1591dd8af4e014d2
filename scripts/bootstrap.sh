#!/usr/bin/env bash
# Prepares a Debian 12 machine for building and testing 云樵: installs what is
# missing, then cross-builds the third-party libraries for MinGW once into a
# cache outside the source tree.  Idempotent: a second run only checks.
# Run as root.  YQ_CACHE overrides the cache folder.
set -euo pipefail

CACHE=${YQ_CACHE:-/var/cache/yunqiao}
SRC_DIR=$(cd "$(dirname "$0")/.." && pwd)
PREFIX=$CACHE/mingw
JOBS=$(nproc)

PACKAGES=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 wine fonts-wine xvfb xauth xdotool x11-utils imagemagick
  fonts-wqy-zenhei fonts-arphic-uming fonts-arphic-ukai fonts-lxgw-wenkai
  cmake ninja-build g++ clang libclang-rt-14-dev nasm tcl dpkg-dev
  sqlite3 libsqlite3-dev libjpeg-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  espeak-ng python3 python3-pil locales
)

log() { printf '[bootstrap] %s\n' "$*"; }

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" -eq 0 ] || { echo "bootstrap: run as root to install: ${missing[*]}" >&2; exit 1; }
  log "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

add_deb_src() {
  local src=/etc/apt/sources.list.d/debian-src.sources
  [ -f "$src" ] && return 0
  log "adding deb-src entries for the machine's own Debian mirror"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$src"
  apt-get update -qq
}


build_sqlite() {
  [ -f "$PREFIX/lib/libsqlite3.a" ] && return 0
  add_deb_src
  log "building SQLite for MinGW"
  local w=$CACHE/work/sqlite && rm -rf "$w" && mkdir -p "$w" && cd "$w"
  apt-get source -qq sqlite3 >/dev/null 2>&1
  local d; d=$(find . -maxdepth 1 -type d -name 'sqlite3-*' | head -n1)
  mkdir bld && cd bld
  "../$d/configure" --disable-tcl >/dev/null
  make -s sqlite3.c >/dev/null
  mkdir -p "$PREFIX/include" "$PREFIX/lib"
  x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION=1 \
    -DSQLITE_DQS=0 -c sqlite3.c -o sqlite3.o
  x86_64-w64-mingw32-ar rcs "$PREFIX/lib/libsqlite3.a" sqlite3.o
  cp sqlite3.h sqlite3ext.h "$PREFIX/include/"
  cd "$CACHE" && rm -rf "$w"
}

build_jpeg() {
  [ -f "$PREFIX/lib/libjpeg.a" ] && return 0
  add_deb_src
  log "building libjpeg-turbo for MinGW"
  local w=$CACHE/work/jpeg && rm -rf "$w" && mkdir -p "$w" && cd "$w"
  apt-get source -qq libjpeg-turbo >/dev/null 2>&1
  local d; d=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  cmake -Wno-dev -S "$d" -B bld -G Ninja -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON >/dev/null
  cmake --build bld -j "$JOBS" >/dev/null
  cmake --install bld >/dev/null
  cd "$CACHE" && rm -rf "$w"
}

build_gtest() {
  [ -f "$PREFIX/lib/libgtest.a" ] && return 0
  log "building GoogleTest for MinGW"
  local w=$CACHE/work/gtest && rm -rf "$w" && mkdir -p "$w"
  cmake -Wno-dev -S /usr/src/googletest -B "$w" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$w" -j "$JOBS" >/dev/null
  cmake --install "$w" >/dev/null
  rm -rf "$w"
}

build_benchmark() {
  [ -f "$PREFIX/lib/libbenchmark.a" ] && return 0
  add_deb_src
  log "building Google Benchmark for MinGW"
  local w=$CACHE/work/benchmark && rm -rf "$w" && mkdir -p "$w" && cd "$w"
  apt-get source -qq benchmark >/dev/null 2>&1
  local d; d=$(find . -maxdepth 1 -type d -name 'benchmark-*' | head -n1)
  cmake -Wno-dev -S "$d" -B bld -G Ninja -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -DGIT_VERSION=1.7.1 \
    -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_WERROR=OFF -DBUILD_SHARED_LIBS=OFF >/dev/null
  cmake --build bld -j "$JOBS" >/dev/null
  cmake --install bld >/dev/null
  cd "$CACHE" && rm -rf "$w"
}

# The run command starts the program in a Chinese locale, so that Wine's own
# texts (message box buttons, menus) read as on a Chinese Windows; the Win32
# tests run in it too.
make_chinese_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' && return 0
  log "generating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -c -f UTF-8 -A /usr/share/locale/locale.alias zh_CN.UTF-8
}

install_packages
make_chinese_locale

mkdir -p "$PREFIX"
build_sqlite
build_jpeg
build_gtest
build_benchmark
"$SRC_DIR/scripts/wine-prefix.sh" null >/dev/null
"$SRC_DIR/scripts/wine-prefix.sh" x11 >/dev/null
log "ready: cache $CACHE"
