#!/usr/bin/env bash
# Runs a test program on a private X server of its own (Xvfb), optionally
# under a real window manager (openbox), so that keys held with xdotool and
# the stacking of windows are tried as on a desktop. The server picks a free
# display itself and is stopped when the run ends, also on failure.
#
#   con-xvfb.sh [--wm] [--size=WxH] program [arguments...]
set -euo pipefail

wm=0
size=1024x768
while [[ $# -gt 0 && $1 == --* ]]; do
  case $1 in
    --wm) wm=1 ;;
    --size=*) size=${1#--size=} ;;
    *) echo "con-xvfb: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

dir=$(mktemp -d /tmp/pinnole-x.XXXXXX)
logs=${PINNOLE_X_LOGS:-$PWD}
name=$(basename "$1")
x_pid=""
wm_pid=""
cleanup() {
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; wait "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$x_pid" ]; then kill "$x_pid" 2>/dev/null || true; wait "$x_pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/display" >"$logs/$name-xvfb.log" 2>&1 &
x_pid=$!
for _ in $(seq 200); do
  [ -s "$dir/display" ] && break
  sleep 0.05
done
if [ ! -s "$dir/display" ]; then echo "con-xvfb: Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$(head -n1 "$dir/display")"

if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$logs/$name-openbox.log" 2>&1 &
  wm_pid=$!
  # Ready when it has announced itself on the root window.
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi

export QT_QPA_PLATFORM=xcb
"$@"
