#!/bin/sh
# Runs a test on a private X server: Xvfb picks a free display itself
# (-displayfd), so simultaneous runs never share one; the server is stopped
# when the test ends, also on failure. Its output goes to a log beside the test.
#   con_xvfb.sh <log folder> <test program> [arguments...]
set -u
log_dir=$1
shift
mkdir -p "$log_dir"
tmp=$(mktemp -d /tmp/pinnole-x11.XXXXXX)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT INT TERM
mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$log_dir/xvfb-$(basename "$1").log" 2>&1 &
xvfb_pid=$!
read -r numero <"$tmp/display"
if [ -z "$numero" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
DISPLAY=":$numero" QT_QPA_PLATFORM=xcb "$@"
