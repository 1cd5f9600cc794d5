# SPDX-License-Identifier: GPL-3.0-or-later
# Starting and stopping the program under test.

QL_PID=
QL_RUNS=0

# ql_start_program [FAKETIME-ARGS...]: starts the program in the private session; with arguments
# it runs under faketime, e.g. ql_start_program '2026-12-06 23:59:58' or -f '@2026-12-06 23:59:58 x10',
# or --clock-file FILE: the clock stands at the time written in FILE ("2026-12-04 18:30:00").
ql_start_program() {
    [[ -x $QL_PROGRAM ]] || ql_fail "program not found: $QL_PROGRAM"
    [[ -z $QL_PID ]] || ql_fail "ql_start_program: the program is already running (pid $QL_PID)"
    QL_RUNS=$((QL_RUNS + 1))
    QL_PROGRAM_ERR=$QL_TMP/program-$QL_RUNS.err
    local cmd=("$QL_PROGRAM")
    if (($#)); then
        # libfaketime preloaded directly: the faketime command forks, and the test needs the
        # program's own PID for signals and window searches.
        local lib when
        lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
        [[ -n $lib ]] || ql_fail "libfaketime is not installed"
        if [[ $1 == --clock-file ]]; then
            # The clock reads the time from the file at every call: a test sets it, and jumps it.
            cmd=(env LD_PRELOAD="$lib" FAKETIME_TIMESTAMP_FILE="$2" FAKETIME_NO_CACHE=1
                FAKETIME_DONT_FAKE_MONOTONIC=1 "$QL_PROGRAM")
        else
            if [[ $1 == -f ]]; then when=$2; else when="@$1"; fi
            cmd=(env LD_PRELOAD="$lib" FAKETIME="$when" "$QL_PROGRAM")
        fi
    fi
    (cd "$QL_TMP" && exec "${cmd[@]}") >"$QL_TMP/program-$QL_RUNS.out" 2>"$QL_PROGRAM_ERR" &
    QL_PID=$!
}

# ql_wait_program_ready [SECONDS]: waits until the program shows a window (its main window, a
# dialog or its tray icon), then a little longer so that the first tick has run.
ql_wait_program_ready() {
    ql_wait_program_window "${1:-20}"
    ql_sleep 0.5
}

# ql_wait_program_window [SECONDS]: waits until the program shows its first window, past a
# start-up error box.
ql_wait_program_window() {
    ql_wait_until "${1:-20}" ql_program_window_or_exit >/dev/null
    ql_pass_startup_error
    if ! ql_pid_alive "$QL_PID"; then
        ql_reap
        ql_fail "the program ended during start-up (status $QL_EXIT_STATUS)"
    fi
    ql_program_window >/dev/null || ql_fail "the program showed no window within ${1:-20} s"
}

ql_program_window_or_exit() { ql_program_window || ! ql_pid_alive "$QL_PID"; }

# A build without voice plug-ins reports so in an "Error" box before the clock starts; these
# tests are not about speech, so they note it and confirm the box as a user would.
ql_pass_startup_error() {
    local box
    box=$(ql_find_window Error) || return 0
    ql_log "the program opened an \"Error\" box at start (no voice plug-in?); confirming it"
    ql_window_key "$box" Return
    ql_wait_until 5 ql_not ql_find_window Error || ql_fail "the start-up error box did not close"
    ql_wait_until 20 ql_program_window_or_exit >/dev/null
}

# Collects the ended program's exit status into QL_EXIT_STATUS.
ql_reap() {
    QL_EXIT_STATUS=0
    wait "$QL_PID" 2>/dev/null || QL_EXIT_STATUS=$?
    QL_PID=
}

# ql_stop_program [SECONDS]: asks the program to close as a log-off would (SIGTERM) and waits.
# Sets QL_EXIT_STATUS; kills the program and fails the test when it does not end in time.
ql_stop_program() {
    local limit=${1:-10}
    [[ -n $QL_PID ]] || ql_fail "ql_stop_program: the program is not running"
    kill -TERM "$QL_PID" 2>/dev/null
    if ! ql_wait_pid_exit "$QL_PID" "$limit"; then
        kill -KILL "$QL_PID" 2>/dev/null
        ql_wait_pid_exit "$QL_PID" 2
        ql_reap
        ql_fail "the program did not end within $limit s of SIGTERM"
    fi
    ql_reap
    ql_log "program ended with status $QL_EXIT_STATUS"
}

ql_assert_clean_exit() {
    ql_assert_eq 0 "$QL_EXIT_STATUS" "exit status after SIGTERM"
}

# One whole run: start, wait for the window, close by SIGTERM, expect a clean exit.
ql_run_program_once() {
    ql_start_program "$@"
    ql_wait_program_ready
    ql_stop_program
    ql_assert_clean_exit
}

# ql_private_install VOICE-FILE:NAME...: copies the program into a folder of its own whose voice/
# holds only the given voices (the voice folder sits beside the program file), and points
# QL_PROGRAM at the copy. NAME is the file name in voice/, e.g. "Test (Recorder).so".
ql_private_install() {
    local install=$QL_TMP/install voice
    mkdir -p "$install/voice"
    cp "$QL_PROGRAM" "$install/quorlan-lite"
    for voice in "$@"; do
        ql_assert_file "${voice%%:*}" "voice"
        cp "${voice%%:*}" "$install/voice/${voice#*:}"
    done
    QL_PROGRAM=$install/quorlan-lite
}

# ql_install_english_voice: ql_private_install with the built English (Mike) voice alone.
ql_install_english_voice() {
    local voices=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/voice
    ql_private_install "$voices/English (Mike).so:English (Mike).so"
}

# ql_start_framed_clock: a current-version store with every option off (a framed big window at
# left 300, top 200), the program started, and QL_MAIN set to its main window.
ql_start_framed_clock() {
    ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"LNumSettings"="02000300010000000255"
"CurrentVer"="2.6"
STORE
    ql_start_program
    QL_MAIN=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
    ql_sleep 0.5
}
