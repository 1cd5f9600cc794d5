# SPDX-License-Identifier: GPL-3.0-or-later
# The speech volume is a gain on the clock's own sound: each step is heard at its level and the
# desktop's volume never moves. Sourced after env.sh by the PulseAudio and the PipeWire tests.

# "left right" raw volumes of the null sink (65536 = 100 %).
ql_sink_volume() {
    pactl get-sink-volume test_sink | awk '
        { for (i = 1; i < NF; i++) { if ($i == "front-left:") l = $(i + 1); if ($i == "front-right:") r = $(i + 1) } }
        END { print l, r }'
}

# ql_loudness FILE -> integrated loudness in LUFS (ITU-R BS.1770, ffmpeg's ebur128 filter)
ql_loudness() {
    ffmpeg -hide_banner -nostats -i "$1" -af ebur128 -f null - 2>&1 |
        awk '/Integrated loudness:/ { summary = 1 } summary && $1 == "I:" { print $2; exit }'
}

# ql_speak_at VOLUME FILE: the clock with that speech volume speaks once on Ctrl+Alt+S, recorded
# into FILE. The sink, at 100 %, must not move while it speaks nor after the clock has gone.
ql_speak_at() {
    local volume=$1 file=$2 i
    ql_prepare_store - <<STORE
[Software\\Vessantry\\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="1500000000${volume}40"
"CurrentVer"="2.6"
STORE
    pactl set-sink-volume test_sink 65536
    # The same sentence every time: the clock starts at 10:15 whenever the test runs.
    FAKETIME_DONT_FAKE_MONOTONIC=1 ql_start_program '2026-12-07 10:15:00'
    ql_wait_program_ready
    ql_record_start "$file"
    ql_sleep 0.5
    xdotool key ctrl+alt+s
    for i in $(seq 20); do # 4 s: the whole sentence
        [[ $(ql_sink_volume) == "65536 65536" ]] ||
            ql_fail "speech volume $volume: the sink moved to $(ql_sink_volume) while speaking"
        ql_sleep 0.2
    done
    ql_record_stop
    ql_stop_program
    ql_assert_clean_exit
    [[ $(ql_sink_volume) == "65536 65536" ]] ||
        ql_fail "speech volume $volume: the sink is at $(ql_sink_volume) after the clock ended"
}

# ql_check_speech_volumes: volumes 65, 40 and 10 are heard 0, -4.3 and -16.3 dB (volume x 1000
# of 65535 of full level) from the loudest, within 1.5 dB.
ql_check_speech_volumes() {
    local volume level full= expected
    for volume in 65 40 10; do
        ql_speak_at "$volume" "$QL_TMP/speech-$volume.wav"
        ql_assert_sound "$QL_TMP/speech-$volume.wav" "speech at volume $volume"
        level=$(ql_loudness "$QL_TMP/speech-$volume.wav")
        [[ -n $level ]] || ql_fail "no loudness measured for volume $volume"
        full=${full:-$level}
        case $volume in 65) expected=0 ;; 40) expected=-4.3 ;; 10) expected=-16.3 ;; esac
        ql_log "speech volume $volume: $level LUFS, $(awk -v l="$level" -v f="$full" 'BEGIN { printf "%+.1f", l - f }') dB"
        awk -v l="$level" -v f="$full" -v e="$expected" 'BEGIN { d = l - f - e; exit !(d >= -1.5 && d <= 1.5) }' ||
            ql_fail "speech volume $volume heard at $level LUFS against $full at 65: want $expected dB"
    done
}
