#!/usr/bin/env bash
# Start-up of Pinnole to its painted splash, side by side with an empty Qt
# Widgets window started the same way, on a private Xvfb at 1920x1080.
# Prints the median and worst of each and the ratio of the medians.
#   bench/avvio.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
prog=$(find "$build" -name bench_avvio -type f -perm -u+x | head -n1)
[ -n "$prog" ] || { echo "build bench_avvio first" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
export XDG_CONFIG_HOME=$(mktemp -d /tmp/pinnole-bench.XXXXXX)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
exec "$here/tests/con-xvfb.sh" --size=1920x1080 bash -c '
prog=$1; runs=$2
"$prog" >/dev/null 2>&1 || true   # a returning user: settings already written
"$prog" vuota >/dev/null 2>&1 || true
misura() { local a b; a=$(date +%s%N); "$prog" "$@" >/dev/null 2>&1; b=$(date +%s%N); echo $(( (b - a) / 1000 )); }
v=(); p=()
for _ in $(seq "$runs"); do v+=("$(misura vuota)"); p+=("$(misura)"); done
stat() { printf "%s\n" "$@" | sort -n | awk "{a[NR]=\$1} END {printf \"%.1f %.1f\", a[int((NR+1)/2)]/1000, a[NR]/1000}"; }
read -r mv wv <<<"$(stat "${v[@]}")"; read -r mp wp <<<"$(stat "${p[@]}")"
echo "empty Qt window: median ${mv} ms, worst ${wv} ms"
echo "Pinnole splash:  median ${mp} ms, worst ${wp} ms"
awk -v a="$mp" -v b="$mv" "BEGIN {printf \"ratio of the medians: %.2f\n\", a / b}"
' bench "$prog" "$runs"
