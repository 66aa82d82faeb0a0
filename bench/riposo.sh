#!/usr/bin/env bash
# Wake-ups of the program while nothing happens, beside the floor (a Qt
# program of its own that paints one window once): each window in each input
# mode is left alone for SECONDS, and the voluntary context switches of all
# its threads (each one a sleep after a wake-up) are counted from /proc,
# with the threads that woke up at all. Needs an X server: run it as
#   tests/con-xvfb.sh bench/riposo.sh BUILD_DIR [SECONDS] [CASE...]
# CASE is "window mode [speed]" as bench_riposo takes it; without any, the
# menu and the exercises in every mode. Not a test.
set -euo pipefail

build=$(realpath "$1")
secs=${2:-10}
shift $(( $# >= 2 ? 2 : 1 ))
casi=("$@")
if [ ${#casi[@]} -eq 0 ]; then
  for f in menu es1 es3 es4; do
    for m in 0 1 3 2; do casi+=("$f $m"); done
  done
fi

# Voluntary switches of every thread, "name=count" per line.
conta() {
  for t in /proc/"$1"/task/*; do
    printf '%s=%s\n' "$(cat "$t/comm")" "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status")"
  done
}

misura() { # label, command...
  local label=$1; shift
  local out; out=$(mktemp)
  "$@" >"$out" 2>/dev/null &
  local pid=$!
  for _ in $(seq 200); do grep -q '^pronto' "$out" && break; sleep 0.05; done
  if ! grep -q '^pronto' "$out"; then echo "$label: did not start"; kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; return; fi
  local prima dopo
  prima=$(conta "$pid" | sort)
  sleep "$secs"
  dopo=$(conta "$pid" | sort)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -f "$out"
  # Per thread name: switches after - before (threads born meanwhile count whole).
  awk -F= -v secs="$secs" -v label="$label" '
    NR == FNR { a[$1] += $2; next }
    { b[$1] += $2 }
    END {
      tot = 0; svegli = ""; 
      for (k in b) { d = b[k] - a[k]; tot += d; if (d > 0) svegli = svegli sprintf(" %s:%d", k, d) }
      printf "%-28s %7.2f wake-ups/s  threads awake:%s\n", label, tot / secs, svegli
    }' <(echo "$prima") <(echo "$dopo")
}

misura "floor (empty Qt window)" "$build/bench_pavimento"
for c in "${casi[@]}"; do
  # shellcheck disable=SC2086
  misura "$c" "$build/bench_riposo" $c
done
