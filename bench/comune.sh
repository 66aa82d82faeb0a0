# Sourced by the benchmark scripts (bash, under set -euo pipefail): where the
# repository is, which executables a benchmark runs, and a settings folder of
# the run's own.
# shellcheck shell=bash

# The repository's root, whichever folder the script was started from.
# shellcheck disable=SC2034 # read by the scripts that source this file
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The executable NAME built anywhere below the build folder BUILD, or "".
#   eseguibile BUILD NAME
eseguibile() { find "$1" -name "$2" -type f -perm -u+x | head -n1; }

# Sets prog to the benchmark PROGRAM (or to PATH, to time another build's)
# and floor to the Qt-only program it is compared with, both built below
# BUILD; stops with what to build when either is missing.
#   programmi BUILD PROGRAM FLOOR [PATH]
programmi() {
  prog=${4:-$(eseguibile "$1" "$2")}
  floor=$(eseguibile "$1" "$3")
  [ -n "$prog" ] && [ -n "$floor" ] || { echo "build $2 and $3 first" >&2; exit 1; }
}

# XDG_CONFIG_HOME in a fresh folder, so a run starts from its own settings and
# never reads or writes the user's; the folder goes when the script ends.
impostazioni_proprie() {
  XDG_CONFIG_HOME=$(mktemp -d /tmp/pinnole-bench.XXXXXX)
  export XDG_CONFIG_HOME
  trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
}
