#!/usr/bin/env bash
# Makes the answer sounds of the program folder by synthesis with sox:
#   data/suoni/si/1.wav ...   cheerful right-answer sounds
#   data/suoni/no/1.wav ...   gentle wrong-answer sounds, never startling
#   data/suoni/predefinito.wav  the neutral sound played when a sound file is missing
# Each sound is described in tools/sounds/<name>.sh as a few calls to the
# voice helpers below; this script renders and levels them. The results are
# 44100 Hz, 16-bit mono PCM, peak-normalised below full scale.
#
# Usage: tools/make-sounds.sh [output-folder]   (default: data/suoni of the tree)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$(cd "$here/.." && pwd)/data/suoni}
command -v sox >/dev/null || { echo "make-sounds: sox is needed (package sox)" >&2; exit 1; }

RATE=44100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
parts=()

# Intermediate parts are 32-bit float so mixing never clips before levelling.
_raw() { sox -R -n -r "$RATE" -c 1 -e floating-point -b 32 "$@"; }
_part() { printf '%s/p%03d.wav' "$work" "${#parts[@]}"; }

# bell START FREQ LENGTH [GAIN]
# A struck bar: a fundamental and a few partials (the 2.76 and 5.4 ratios of a
# tuned bar give the bell colour), each dying away faster than the one below.
bell() {
    local start=$1 freq=$2 len=$3 gain=${4:-1}
    local ratio amp decay f p
    for partiale in "1 1.0 1.0" "2 0.30 0.55" "2.76 0.16 0.4" "5.4 0.06 0.25"; do
        read -r ratio amp decay <<<"$partiale"
        f=$(awk -v a="$freq" -v b="$ratio" 'BEGIN{printf "%.2f", a*b}')
        local d; d=$(awk -v l="$len" -v k="$decay" 'BEGIN{printf "%.3f", l*k*3}')
        local cut=(); awk -v d="$d" -v l="$len" 'BEGIN{exit !(d > l)}' && cut=(trim 0 "$len" fade t 0 "$len" 0.02)
        p=$(_part)
        _raw "$p" synth "$d" sine "$f" fade l 0.003 "$d" "$d" "${cut[@]}" \
            vol "$(awk -v a="$amp" -v g="$gain" 'BEGIN{print a*g}')" pad "$start"
        parts+=("$p")
    done
}

# wood START FREQ LENGTH [GAIN]
# A soft mallet on wood: a short, quickly damped tone with a fourth-partial knock.
wood() {
    local start=$1 freq=$2 len=$3 gain=${4:-1} p ring
    ring=$(awk -v l="$len" 'BEGIN{print l*1.6}')
    p=$(_part)
    _raw "$p" synth "$ring" sine "$freq" fade l 0.002 "$ring" "$ring" trim 0 "$len" fade t 0 "$len" 0.02 \
        vol "$gain" pad "$start"
    parts+=("$p")
    p=$(_part)
    _raw "$p" synth 0.12 sine "$(awk -v a="$freq" 'BEGIN{print a*3.93}')" fade l 0.001 0.12 0.12 \
        vol "$(awk -v g="$gain" 'BEGIN{print g*0.25}')" pad "$start"
    parts+=("$p")
}

# hum START FREQ LENGTH [GAIN] [TO-FREQ]
# A soft closed-mouth "mm": a rounded tone that swells in and fades out, with
# a slow wobble, optionally gliding to TO-FREQ.
hum() {
    local start=$1 freq=$2 len=$3 gain=${4:-1} to=${5:-} p f
    f=$freq; [ -n "$to" ] && f="$freq:$to"
    p=$(_part)
    _raw "$p" synth "$len" sine "$f" sine mix "$(awk -v a="$freq" 'BEGIN{print a*2}')${to:+:$(awk -v a="$to" 'BEGIN{print a*2}')}" \
        lowpass 900 tremolo 5 12 fade h 0.07 "$len" 0.16 vol "$gain" pad "$start"
    parts+=("$p")
}

# brass START FREQ LENGTH [GAIN]
# A mellow horn note: a filtered sawtooth with a soft attack.
brass() {
    local start=$1 freq=$2 len=$3 gain=${4:-1} p
    p=$(_part)
    _raw "$p" synth "$len" sawtooth "$freq" lowpass 1600 lowpass 2200 tremolo 6 8 fade q 0.025 "$len" 0.08 \
        vol "$gain" pad "$start"
    parts+=("$p")
}

# spring START FROM TO LENGTH [GAIN]
# A "boing": a gliding tone with a fast wobble that settles.
spring() {
    local start=$1 from=$2 to=$3 len=$4 gain=${5:-1} p
    p=$(_part)
    _raw "$p" synth "$len" sine "$from/$to" tremolo 22 55 fade q 0.01 "$len" 0.1 vol "$gain" pad "$start"
    parts+=("$p")
}

# render OUTPUT PEAK-DB [EXTRA-EFFECTS...]
# Mixes the parts described so far, adds a little room, levels the peak to
# PEAK-DB below full scale and writes 16-bit mono PCM.
render() {
    local target=$1 peak=$2; shift 2
    local mixed=$work/mix.wav
    if [ "${#parts[@]}" -eq 1 ]; then cp "${parts[0]}" "$mixed"; else sox -R -m "${parts[@]}" "$mixed"; fi
    sox -R "$mixed" -r "$RATE" -c 1 -b 16 -e signed-integer "$target" \
        highpass 60 "$@" reverb 18 50 40 70 0 0 gain -n "$peak" \
        reverse silence 1 0.01 -66d reverse
    rm -f "${parts[@]}" "$mixed"
    parts=()
}

mkdir -p "$out/si" "$out/no"
for recipe in "$here"/sounds/*.sh; do
    # shellcheck source=/dev/null
    . "$recipe"
done

# Every file must be numbered from 1 without gaps: the program counts "*.wav"
# and picks 1..n.
for folder in "$out/si" "$out/no"; do
    n=$(find "$folder" -maxdepth 1 -iname '*.wav' | wc -l)
    for ((i = 1; i <= n; i++)); do
        [ -f "$folder/$i.wav" ] || { echo "make-sounds: $folder/$i.wav missing" >&2; exit 1; }
    done
    echo "$folder: $n sounds"
done
