# SPDX-License-Identifier: GPL-3.0-or-later
# Recording what reaches the null sink, and measuring it.

ql_record_start() {
    QL_REC_FILE=$1
    parec -d test_sink.monitor --latency-msec=20 --file-format=wav "$1" 2>>"$QL_TMP/parec.log" &
    QL_REC_PID=$!
}

# parec writes the final WAV header when it is interrupted, not when it is killed.
ql_record_stop() {
    [[ -n ${QL_REC_PID:-} ]] || return 0
    kill -INT "$QL_REC_PID" 2>/dev/null
    ql_wait_pid_exit "$QL_REC_PID" 5 || ql_log "parec did not stop on SIGINT"
    ql_stop_pid "$QL_REC_PID" 1
    QL_REC_PID=
}

# ql_sound_peak FILE -> the largest absolute sample value, 0.0 to 1.0
ql_sound_peak() {
    sox "$1" -n stat 2>&1 | awk '/^Maximum amplitude/ { max = $NF } /^Minimum amplitude/ { min = -$NF }
        END { if (max == "") exit 1; print (max > min ? max : min) }'
}

# ql_sound_seconds FILE -> the recording's length in seconds
ql_sound_seconds() { soxi -D "$1" 2>/dev/null; }

ql_assert_sound() {
    local peak
    peak=$(ql_sound_peak "$1") || ql_fail "${2:-recording}: $1 is not a readable sound file"
    awk -v p="$peak" 'BEGIN { exit !(p >= 0.01) }' || ql_fail "${2:-recording}: silent (peak $peak)"
}

ql_assert_silence() {
    local peak
    peak=$(ql_sound_peak "$1") || ql_fail "${2:-recording}: $1 is not a readable sound file"
    awk -v p="$peak" 'BEGIN { exit !(p < 0.01) }' || ql_fail "${2:-recording}: not silent (peak $peak)"
}
