#!/usr/bin/env bash
# A new item to the character's first sound, as the sound server plays it:
# a private PulseAudio server with a null sink, whose monitor is recorded in
# 5 ms blocks; every start of sound after a silence is matched with the
# request that caused it. The program (bench_voce: the speaking character,
# each sentence synthesised when asked for) and the floor (bench_voce_pavimento:
# a Qt player of its own playing the same sentences, made beforehand) run in
# turn, several rounds each, in one batch. Prints median and worst in ms,
# the first sentence of the program's process apart, with the processes'
# CPU time.
#   bench/voce.sh [build folder] [rounds] [sentences per round]
set -euo pipefail
build=${1:-build}
giri=${2:-4}
frasi=${3:-8}
# shellcheck source=bench/comune.sh
source "$(dirname "$0")/comune.sh"
programmi "$build" bench_voce bench_voce_pavimento
lavoro=$(mktemp -d /tmp/pinnole-voce.XXXXXX)
pa_pid=""; rec_pid=""
fine() {
  [ -n "$rec_pid" ] && kill "$rec_pid" 2>/dev/null || true
  [ -n "$pa_pid" ] && { kill "$pa_pid" 2>/dev/null || true; wait "$pa_pid" 2>/dev/null || true; }
  rm -rf "$lavoro"
}
trap fine EXIT INT TERM
export XDG_RUNTIME_DIR=$lavoro XDG_CONFIG_HOME=$lavoro/config
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=muto" \
  --load="module-native-protocol-unix socket=$lavoro/pulse-native auth-anonymous=1" \
  >"$lavoro/pulseaudio.log" 2>&1 &
pa_pid=$!
export PULSE_SERVER="unix:$lavoro/pulse-native"
for _ in $(seq 50); do [ -S "$lavoro/pulse-native" ] && break; sleep 0.1; done

# Records the monitor and prints "suono <ms>" (monotonic clock) at each start
# of sound that follows at least 300 ms of silence.
parec -d muto.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=5 | python3 -u -c '
import sys, time, array
blocco = 110 * 2
silenzio = 1e9
while True:
    dati = sys.stdin.buffer.read(blocco)
    if not dati:
        break
    campioni = array.array("h", dati[: len(dati) // 2 * 2])
    if max((abs(c) for c in campioni), default=0) > 64:
        if silenzio >= 300:
            print("suono %.1f" % (time.monotonic() * 1000), flush=True)
        silenzio = 0
    else:
        silenzio += 5
' >"$lavoro/suoni" &
rec_pid=$!
sleep 0.5

mkdir -p "$lavoro/frasi"
"$prog" scrivi "$lavoro/frasi"
cpu() { awk '/^(user|sys)/ {split($2, t, "m"); s += t[1] * 60 + t[2]} END {printf "%.0f", s * 1000}'; }
for g in $(seq "$giri"); do
  { TIMEFORMAT=$'user %U\nsys %S'; time "$floor" "$lavoro/frasi" "$frasi" >"$lavoro/pavimento.$g"; } 2>"$lavoro/pavimento.cpu.$g"
  { TIMEFORMAT=$'user %U\nsys %S'; time "$prog" "$frasi" >"$lavoro/programma.$g"; } 2>"$lavoro/programma.cpu.$g"
done
sleep 0.5
python3 - "$lavoro" "$giri" <<'PY'
import sys, statistics
cartella, giri = sys.argv[1], int(sys.argv[2])
suoni = [float(r.split()[1]) for r in open(cartella + "/suoni") if r.startswith("suono")]
def ritardi(nome):
    primi, altri, cpu = [], [], []
    for g in range(1, giri + 1):
        chiesti = [float(r.split()[1]) for r in open(f"{cartella}/{nome}.{g}") if r.startswith("chiesto")]
        for n, t in enumerate(chiesti):
            dopo = [s - t for s in suoni if s >= t]
            if dopo and dopo[0] < 1000:
                (primi if n == 0 else altri).append(dopo[0])
        s = 0.0
        for r in open(f"{cartella}/{nome}.cpu.{g}"):
            if r.split()[0] in ("user", "sys"):
                s += float(r.split()[1].replace(",", "."))
        cpu.append(s * 1000)
    return primi, altri, cpu
def riga(titolo, v):
    if not v:
        return f"{titolo:44s}   no sound heard"
    return f"{titolo:44s} {statistics.median(v):7.1f} {max(v):7.1f}   ({len(v)})"
print(f"{'':44s}  median   worst   (count), ms")
fp, fa, fc = ritardi("pavimento")
pp, pa, pc = ritardi("programma")
print(riga("floor: Qt player, sound ready, first", fp))
print(riga("floor: Qt player, sound ready, next", fa))
print(riga("program: character, first of a process", pp))
print(riga("program: character, next items", pa))
print(f"CPU of a whole run (ms, median): floor {statistics.median(fc):.0f}, program {statistics.median(pc):.0f}")
if fa and pa:
    print(f"next items: program / floor = {statistics.median(pa) / statistics.median(fa):.2f}")
PY
