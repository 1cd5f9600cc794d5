# SPDX-License-Identifier: GPL-3.0-or-later
# Temp dir, private session variables, cleanup, bounded waits and assertions.
# Assertions end the test (exit 1); call them from the test's top level, not inside $(...).

set -uo pipefail

QL_PIDS=()      # "name pid" of services, stopped in reverse order
QL_WATCHDOG=
QL_SLEEP_PID=

ql_log() { echo "e2e: $*" >&2; }
ql_fail() { echo "FAIL: $*" >&2; exit 1; }

ql_env_init() {
    QL_TEST_NAME=$(basename "$0" .sh)
    QL_PROGRAM=${QL_PROGRAM:-${1:-${QL_BUILD_DIR:-.}/quorlan-lite}}
    [[ $QL_PROGRAM == /* ]] || QL_PROGRAM=$PWD/$QL_PROGRAM # the program runs in the temp dir
    QL_TMP=$(mktemp -d "${TMPDIR:-/tmp}/ql-e2e.XXXXXX") || { echo "e2e: no temp dir" >&2; exit 1; }
    trap ql_cleanup EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
    trap 'exit 129' HUP
    ql_private_session
    ql_start_watchdog
}

# Nothing of the developer's own desktop, sound server or settings may leak into a test.
ql_private_session() {
    export HOME=$QL_TMP/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
    export XDG_RUNTIME_DIR=$QL_TMP/run
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$QL_TMP" "$HOME" "$XDG_RUNTIME_DIR"
    unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER \
        PULSE_SERVER PULSE_SINK PULSE_SOURCE QT_QPA_PLATFORM XDG_CURRENT_DESKTOP XDG_SESSION_TYPE
    # A bus that is not there: unset, libdbus would launch a session bus of its own.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/no-session-bus
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
    # A client must never spawn a sound server of its own, also when a test runs without one.
    export PULSE_CLIENTCONFIG=$QL_TMP/pulse-client.conf
    echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
}

# Ends the test cleanly before CTest's own timeout would kill it and leave services behind.
ql_start_watchdog() {
    local limit=${QL_E2E_LIMIT:-270} main=$$
    (
        trap 'kill "$s" 2>/dev/null; wait "$s"; exit 0' TERM
        sleep "$limit" &
        s=$!
        wait "$s" || exit 0
        echo "e2e: $QL_TEST_NAME ran longer than ${limit}s; stopping it" >&2
        kill -TERM "$main"
    ) &
    QL_WATCHDOG=$!
}

ql_track() { QL_PIDS+=("$1 $2"); }

ql_cleanup() {
    local rc=$? i entry
    trap - TERM INT HUP
    [[ -n ${QL_PID:-} ]] && ql_pid_alive "$QL_PID" && ql_stop_pid "$QL_PID" 3
    [[ -n ${QL_REC_PID:-} ]] && ql_stop_pid "$QL_REC_PID" 2
    [[ -n $QL_SLEEP_PID ]] && ql_stop_pid "$QL_SLEEP_PID" 1
    for ((i = ${#QL_PIDS[@]} - 1; i >= 0; i--)); do
        entry=${QL_PIDS[i]}
        ql_stop_pid "${entry#* }" 5 || ql_log "${entry%% *} (pid ${entry#* }) needed SIGKILL"
    done
    ((rc != 0)) && ql_show_logs
    [[ -n $QL_WATCHDOG ]] && ql_stop_pid "$QL_WATCHDOG" 2
    if [[ ${QL_KEEP_TMP:-0} == 1 ]]; then
        ql_log "kept $QL_TMP"
    else
        rm -rf "$QL_TMP"
    fi
    if [[ ${QL_RESULT_LINE:-1} == 1 ]]; then
        ((rc == 0)) && echo "PASS: $QL_TEST_NAME" || echo "FAILED: $QL_TEST_NAME (status $rc)"
    fi
    exit "$rc"
}

# The last lines of every log, so a failure in CI explains itself.
ql_show_logs() {
    local f
    for f in "$QL_TMP"/*.log "$QL_TMP"/*.err; do
        [[ -s $f ]] || continue
        echo "---- ${f##*/} (last 30 lines) ----" >&2
        # Xvfb -displayfd logs every display number it found taken; that is not news.
        grep -v '^_XSERVTrans' "$f" | tail -n 30 >&2
    done
}

# True while the process runs; a zombie counts as ended.
ql_pid_alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

ql_wait_pid_exit() { ql_wait_until "$2" ql_not ql_pid_alive "$1"; }
ql_not() { ! "$@"; }

# ql_stop_pid PID GRACE: SIGTERM, then SIGKILL after GRACE seconds; false when SIGKILL was needed.
ql_stop_pid() {
    local pid=$1 grace=$2 forced=0
    if ql_pid_alive "$pid"; then
        kill -TERM "$pid" 2>/dev/null
        if ! ql_wait_pid_exit "$pid" "$grace"; then
            kill -KILL "$pid" 2>/dev/null
            ql_wait_pid_exit "$pid" 2
            forced=1
        fi
    fi
    wait "$pid" 2>/dev/null
    return "$forced"
}

# ql_wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s; false when time ran out.
ql_wait_until() {
    local deadline=$(($(ql_now_us) + $(ql_seconds_to_us "$1")))
    shift
    until "$@"; do
        (($(ql_now_us) < deadline)) || return 1
        sleep 0.1
    done
}

ql_now_us() {
    local t=$EPOCHREALTIME
    echo $((10#${t//[.,]/}))
}

# "2.5" -> 2500000
ql_seconds_to_us() {
    local whole=${1%%.*} frac=000000
    [[ $1 == *.* ]] && frac=${1#*.}000000
    echo $((10#${whole:-0} * 1000000 + 10#${frac:0:6}))
}

# A sleep that the watchdog's SIGTERM can interrupt.
ql_sleep() {
    sleep "$1" &
    QL_SLEEP_PID=$!
    wait "$QL_SLEEP_PID"
    QL_SLEEP_PID=
}

ql_assert_eq() {
    [[ $2 == "$1" ]] || ql_fail "$3: expected '$1', got '$2'"
}

ql_assert_match() {
    [[ $2 =~ $1 ]] || ql_fail "$3: '$2' does not match /$1/"
}

ql_assert_file() { [[ -f $1 ]] || ql_fail "${2:-file}: $1 does not exist"; }
ql_assert_no_file() { [[ ! -e $1 ]] || ql_fail "${2:-file}: $1 should not exist"; }
