#!/usr/bin/env bash
# Key release -> screen changed on the X server, for "Vero o falso" in
# keyboard mode (Right moves the highlight between the two answers) and for
# the floor (bench_pavimento, a Qt program of its own that repaints a square
# on each key release), in turns: floor, program, floor, program... Needs an
# X server. Both are watched through a strip four rows high across what
# changes, so that reading the screen back costs the same. Run it as
#   tests/con-xvfb.sh bench/tasto.sh BUILD_DIR [PAIRS] [ROUNDS]
# Not a test.
set -euo pipefail

build=$(realpath "$1")
coppie=${2:-5}
giri=${3:-20}

avvia() { # output file, command...: waits for "pronto", leaves the pid in $pid
  local out=$1; shift
  "$@" >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 200); do grep -q '^pronto' "$out" && return 0; sleep 0.05; done
  echo "did not start: $*" >&2
  return 1
}

out=$(mktemp)
for _ in $(seq "$coppie"); do
  avvia "$out" "$build/bench_pavimento"
  printf 'floor    '
  "$build/bench_tasto_schermo" 100 158 200 4 "$giri" Right || true
  kill "$pid"; wait "$pid" 2>/dev/null || true

  avvia "$out" "$build/bench_riposo" es1 3
  read -r _ _ x y w h <"$out"
  printf 'program  '
  "$build/bench_tasto_schermo" "$x" $((y + 10)) "$w" 4 "$giri" Right || true
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
rm -f "$out"
