#!/usr/bin/env bash
# The progress history and window over a generated year, beside the floor
# that does the same work with Qt alone, on a private Xvfb at the given size.
#   bench/progressi.sh [build folder] [size] [rounds]
set -euo pipefail
build=${1:-build}
size=${2:-1920x1080}
rounds=${3:-7}
# shellcheck source=bench/comune.sh
source "$(dirname "$0")/comune.sh"
impostazioni_proprie
export PINNOLE_X_LOGS=$XDG_CONFIG_HOME
"$here/tests/con-xvfb.sh" --size="$size" "$build/bench_progressi_pavimento" "$rounds"
"$here/tests/con-xvfb.sh" --size="$size" "$build/bench_progressi" "$rounds"
