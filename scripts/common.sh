# Shared by the run and test commands: paths, bootstrap and the two builds.
# shellcheck shell=bash
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export YQ_CACHE=${YQ_CACHE:-/var/cache/yunqiao}
export LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

yq_bootstrap() { "$ROOT/scripts/bootstrap.sh"; }

# YQ_WERROR=ON (the test command's default) makes warnings errors.
yq_build() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" -S "$ROOT" -DYQ_WERROR="${YQ_WERROR:-OFF}" >/dev/null
    cmake --build --preset "$preset"
  done
}
