# A private X display for one command: yq_xstart starts Xvfb on a free
# display number and exports DISPLAY; yq_xstop ends it (only the Xvfb we
# started, by PID).
# shellcheck shell=bash
YQ_XVFB_PID=

yq_xstart() {
  local n
  for n in $(seq 90 150); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    YQ_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$YQ_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

yq_xstop() {
  [ -n "$YQ_XVFB_PID" ] && kill "$YQ_XVFB_PID" 2>/dev/null && wait "$YQ_XVFB_PID" 2>/dev/null
  YQ_XVFB_PID=
}
