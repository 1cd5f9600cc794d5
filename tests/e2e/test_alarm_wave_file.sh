#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Alarm sound 5, the user's wave file: a file whose name has spaces, quotes and non-ASCII
# characters plays itself at every repetition, and so does a click of 5 ms; a missing file plays
# the desktop's default sound.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/sound_bursts.sh"

REPEAT=2
DEFAULT_SOUND=/usr/share/sounds/freedesktop/stereo/bell.oga
ql_env_start
[[ -f $DEFAULT_SOUND ]] || ql_fail "the default sound $DEFAULT_SOUND is not installed"
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[[ -n $faketime_lib ]] || ql_fail "libfaketime is not installed"

# alarm_run WAVE-FILE EXPECTED-SOUND: the alarm at 07:30 with that file, confirmed after three
# sounds; each sound heard must last as long as EXPECTED-SOUND and come REPEAT s after the last.
alarm_run() {
    local wave=$1 expected=$2 escaped alert rec=$QL_TMP/run-$((QL_RUNS + 1)).wav
    escaped=${wave//\\/\\\\}
    escaped=${escaped//\"/\\\"}
    ql_prepare_store - <<STORE
[Software\\Vessantry\\Quorlan Lite]
"BinSettings"="001010000000"
"LNumSettings"="01000100010000020255"
"SNumSettings"="60073000054040"
"WaveFileName"="$escaped"
"CurrentVer"="2.6"
STORE
    ql_record_start "$rec"
    # The faketime command would run the program as its child: preload the library instead.
    LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 07:29:58' FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ql_start_program
    ql_wait_program_ready
    if error=$(ql_wait_window "Error" 2); then # no voice plug-ins: reported at start-up
        ql_window_key "$error" Return
    fi
    alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alert did not appear at 07:30"
    ql_sleep 5 # sounds at 0, 2 and 4 s
    ql_window_key "$alert" Return
    ql_wait_until 5 ql_not ql_find_window "Alarm!" || ql_fail "Return did not confirm the alert"
    ql_sleep 1
    ql_record_stop
    ql_stop_program
    ql_assert_clean_exit
    check_sounds "$rec" "$(soxi -D "$expected")" "${expected##*/}"
}

check_sounds() {
    local bursts b start end prev=
    mapfile -t bursts < <(ql_sound_bursts "$1")
    ql_log "$3: sounds heard (start end): ${bursts[*]/%/;}"
    ((${#bursts[@]} >= 3)) || ql_fail "$3: expected at least 3 sounds, heard ${#bursts[@]}"
    for b in "${bursts[@]}"; do
        read -r start end <<<"$b"
        awk -v s="$start" -v e="$end" -v len="$2" 'BEGIN { d = e - s; exit !(d > len - 0.12 && d < len + 0.12) }' ||
            ql_fail "$3: a sound of $start..$end s is not $3 ($2 s)"
        if [[ -n $prev ]]; then
            awk -v a="$prev" -v b="$start" -v r="$REPEAT" 'BEGIN { exit !(b - a > r - 0.3 && b - a < r + 0.3) }' ||
                ql_fail "$3: sounds at $prev and $start s are not $REPEAT s apart"
        fi
        prev=$start
    done
}

odd_dir="$HOME/My Sounds/Ünïcode ☎"
mkdir -p "$odd_dir"
odd="$odd_dir/it's a \"Wecker\" \$(true) \\ back.wav"
cp "$QL_SOURCE_DIR/assets/sounds/Lazer.wav" "$odd" || ql_fail "cannot copy the test sound"
alarm_run "$odd" "$QL_SOURCE_DIR/assets/sounds/Lazer.wav"
alarm_run "$HOME/no such file.wav" "$DEFAULT_SOUND"
sox -n -r 44100 -c 1 -b 16 "$HOME/click.wav" synth 0.005 sine 1000 vol 0.9 || ql_fail "no click made"
alarm_run "$HOME/click.wav" "$HOME/click.wav"
