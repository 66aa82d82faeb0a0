#!/usr/bin/env bash
# Installs what is needed, builds Pinnole and runs every test headless.
# A private PulseAudio server with a null sink lets the tests play real
# audio without a sound card, and a private CUPS server with a PDF queue lets
# them print for real (scripts/cups-privato.sh says how a test finds its
# PDFs); both are stopped by their PIDs when the run ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/cups-privato.sh
./scripts/build.sh

logs=build/test-logs
mkdir -p "$logs"
runtime=$(mktemp -d /tmp/pinnole-test.XXXXXX)
pa_pid=""
cups_pid=""
cups_dir=""
cleanup() {
  cups_privato_ferma
  if [ -n "$pa_pid" ]; then
    kill "$pa_pid" 2>/dev/null || true
    wait "$pa_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT INT TERM

export XDG_RUNTIME_DIR="$runtime"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load=module-null-sink \
  --load="module-native-protocol-unix socket=$runtime/pulse-native auth-anonymous=1" \
  >"$logs/pulseaudio.log" 2>&1 &
pa_pid=$!
export PULSE_SERVER="unix:$runtime/pulse-native"
for _ in $(seq 50); do
  [ -S "$runtime/pulse-native" ] && break
  sleep 0.1
done

cups_privato_avvia "$(pwd)/$logs"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --timeout 300
