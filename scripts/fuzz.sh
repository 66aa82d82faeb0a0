#!/usr/bin/env bash
# Fuzzes the readers of stored data with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh [seconds per harness] [harness ...]
#
# Builds the harnesses of fuzz/ with clang into build-fuzz/ (the normal build
# in build/ is not touched), then runs each one for the given time (default
# 60 s) starting from its seed corpus fuzz/corpus/<name>/. New interesting
# inputs go to build-fuzz/corpus/<name>/; an input that makes a harness fail
# is saved in build-fuzz/artefatti/<name>/ and the script ends with status 1.
# Copy such an input into fuzz/corpus/<name>/ with the fix, so the test
# command replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=${1:-60}
shift || true
tutti=(impostazioni accesso testo lingua registro utenti rtf casa personaggio)
if [ $# -gt 0 ]; then scelti=("$@"); else scelti=("${tutti[@]}"); fi

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is needed (Debian package clang)" >&2
  exit 2
fi

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPINNOLE_FUZZ=ON -DPINNOLE_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
esito=0
for nome in "${scelti[@]}"; do
  lavoro=build-fuzz/corpus/$nome
  artefatti=build-fuzz/artefatti/$nome
  mkdir -p "$lavoro" "$artefatti"
  echo "== $nome: ${secondi}s"
  if ! build-fuzz/fuzz_"$nome" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 \
      -max_len=70000 -print_final_stats=1 -artifact_prefix="$artefatti/" \
      "$lavoro" "fuzz/corpus/$nome" >"build-fuzz/fuzz_$nome.log" 2>&1; then
    echo "   FAILED: see build-fuzz/fuzz_$nome.log and $artefatti/"
    esito=1
  else
    grep -E '^stat::number_of_executed_units' "build-fuzz/fuzz_$nome.log" | sed 's/^/   /' || true
  fi
done
exit $esito
