#!/usr/bin/env bash
# Start-up of Pinnole to its splash painted at its final size, side by side
# with an empty Qt Widgets program (bench_pavimento, an executable of its own
# that links Qt Widgets only) showing a full-screen window, run in turn on one
# private Xvfb. Each process prints its CPU time and peak RSS when its paint
# has reached the X server; the wall time is the whole run of the process.
# Prints median and worst of each figure and the ratios of the medians.
#   bench/avvio.sh [build folder] [runs] [WxH] [program, to time another build's]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
size=${3:-1920x1080}
# shellcheck source=bench/comune.sh
source "$(dirname "$0")/comune.sh"
programmi "$build" bench_avvio bench_pavimento "${4:-}"
impostazioni_proprie
"$here/tests/con-xvfb.sh" --size="$size" bash -c '
prog=$1; floor=$2; runs=$3
"$prog" >/dev/null 2>&1 || true   # a returning player: settings already written
"$floor" avvio >/dev/null 2>&1 || true
# One run of a command: "wall_ms cpu_ms maxrss_kb".
misura() {
  local a b riga
  a=$(date +%s%N); riga=$("$@" 2>/dev/null | grep "^cpu " || true); b=$(date +%s%N)
  set -- $riga
  echo "$(( (b - a) / 1000 )) ${2:-nan} ${4:-nan}"
}
f=(); p=()
for _ in $(seq "$runs"); do f+=("$(misura "$floor" avvio)"); p+=("$(misura "$prog")"); done
# Median and worst of column c (1 wall us, 2 cpu ms, 3 peak KB).
stat() { local c=$1; shift; printf "%s\n" "$@" | awk -v c="$c" "{print \$c}" | sort -g | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)], a[NR]}"; }
read -r fw fww <<<"$(stat 1 "${f[@]}")"; read -r pw pww <<<"$(stat 1 "${p[@]}")"
read -r fc fcw <<<"$(stat 2 "${f[@]}")"; read -r pc pcw <<<"$(stat 2 "${p[@]}")"
read -r fm fmw <<<"$(stat 3 "${f[@]}")"; read -r pm pmw <<<"$(stat 3 "${p[@]}")"
awk -v fw="$fw" -v fww="$fww" -v pw="$pw" -v pww="$pww" -v fc="$fc" -v fcw="$fcw" -v pc="$pc" -v pcw="$pcw" \
    -v fm="$fm" -v fmw="$fmw" -v pm="$pm" -v pmw="$pmw" -v n="$runs" "BEGIN {
  printf \"%d runs each, interleaved                 wall ms (median, worst)   CPU ms (median, worst)   peak RSS MB (median, worst)\n\", n
  printf \"empty Qt program, full-screen window       %7.1f %7.1f           %7.1f %7.1f          %6.1f %6.1f\n\", fw/1000, fww/1000, fc, fcw, fm/1024, fmw/1024
  printf \"Pinnole, splash painted at its final size  %7.1f %7.1f           %7.1f %7.1f          %6.1f %6.1f\n\", pw/1000, pww/1000, pc, pcw, pm/1024, pmw/1024
  printf \"ratio of the medians                       %7.2f                   %7.2f                  %6.2f\n\", pw/fw, pc/fc, pm/fm
}"
' bench "$prog" "$floor" "$runs"
