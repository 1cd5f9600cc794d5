#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ear-proxy comparison of the English voices: the same sentences rendered to WAV by the
# espeak-ng and flite command-line programs and spoken by the plug-ins themselves (recorded from
# a private PulseAudio null sink with parec), then measured: length, speech rate, sox stats and
# the pitch contour (f0.py). Keeps the recordings for listening.
# Usage: compare_english.sh [build dir] [output dir]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
out=${2:-$build/english-compare}

if [ -z "${QL_COMPARE_INSIDE:-}" ]; then
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    QL_COMPARE_INSIDE=1 exec bash "$here/run_with_pulse.sh" "$build" bash "$0" "$build" "$out"
fi

probe=$build/voices/voice_speak_probe
# time of day -> the sentence the English rules make for it
times=("23:59" "07:07" "12:00" "15:45" "01:00")
sentences=("It's eleven fifty-nine." "It's seven oh seven." "It's noon." "It's three forty-five."
    "It's one o'clock.")
# How many syllables a listener hears in each, for the speech rate.
syllables=(7 6 2 6 4)

# Records what the plug-in says when its clock shows the given time.
record_plugin() {
    local plugin=$1 hhmm=$2 wav=$3
    parec -d test_sink.monitor --latency-msec=20 --file-format=wav --channels=1 "$wav" &
    local recorder=$!
    sleep 0.3
    echo speak | FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@2026-01-01 $hhmm:05" \
        "$probe" "$build/voice/$plugin.so" >/dev/null
    sleep 0.3
    kill "$recorder"
    wait "$recorder" 2>/dev/null
}

# name of the trimmed copy: leading and trailing silence (below -40 dBFS) cut
trim() { sox "$1" "${1%.wav}.trim.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse; }

measure() {
    local wav=$1 syl=$2
    trim "$wav"
    local t="${wav%.wav}.trim.wav"
    local secs rate
    secs=$(soxi -D "$t")
    rate=$(soxi -r "$t")
    sox "$t" -n stats 2>&1 | awk -v f="$(basename "$wav" .wav)" -v s="$secs" -v r="$rate" \
        -v syl="$syl" -v f0="$(python3 "$here/f0.py" "$t")" '
        /RMS lev dB/ { rms = $4 } /Crest factor/ { crest = $3 } /Pk lev dB/ { pk = $4 }
        END { printf "%-34s %6.2f s %6.1f syl/s %6s Hz  RMS %6s dB  crest %5s  %s\n",
                     f, s, syl / s, r, rms, crest, f0 }'
}

cd "$out" || exit 1
for i in "${!times[@]}"; do
    t=${times[$i]} s=${sentences[$i]} tag=${times[$i]/:/}
    espeak-ng -v en+Mike -w "espeak-cli-mike-$tag.wav" "$s"
    flite -voice slt -t "$s" -o "flite-cli-slt-$tag.wav"
    record_plugin "English (Mike)" "$t" "plugin-mike-$tag.wav"
    record_plugin "English (Slt)" "$t" "plugin-slt-$tag.wav"
done

echo "English voices, same sentences (speech only, silence trimmed); recordings in $out"
echo "f0: median / 10th-90th percentile range (semitones) / median frame-to-frame change (cents)"
for i in "${!times[@]}"; do
    tag=${times[$i]/:/}
    echo "-- ${sentences[$i]}"
    for f in espeak-cli-mike plugin-mike flite-cli-slt plugin-slt; do
        measure "$f-$tag.wav" "${syllables[$i]}"
    done
done
