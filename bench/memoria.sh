#!/usr/bin/env bash
# Memory of the program over a school morning, beside an empty Qt Widgets
# program (bench_pavimento) run in the same batch on the same private Xvfb:
# the floor, then two tours of the eight exercises (RSS/PSS after each window
# and each tour), then the floor again, then "Uguali - 2°" alone in a fresh
# process, then the floor once more.
#   bench/memoria.sh [build folder] [WxH] [seconds per window] [program, to measure another build's]
set -euo pipefail
build=${1:-build}
size=${2:-1920x1080}
secondi=${3:-5}
# shellcheck source=bench/comune.sh
source "$(dirname "$0")/comune.sh"
programmi "$build" bench_memoria bench_pavimento "${4:-}"
impostazioni_proprie
"$here/tests/con-xvfb.sh" --size="$size" bash -c '
prog=$1; floor=$2; secondi=$3
"$prog" 0 1 >/dev/null 2>&1 || true   # a returning player: settings already written
echo "screen '"$size"'"
"$floor" memoria
"$prog" 2 "$secondi" 2>/dev/null
"$floor" memoria
"$prog" solo 3 "$secondi" 2>/dev/null
"$floor" memoria
' bench "$prog" "$floor" "$secondi"
