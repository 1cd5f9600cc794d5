#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "quorlan-lite --speak", what users bind to a key where no portal offers global shortcuts: it
# makes the running clock speak (recorded on the sink with the real English voice). With no
# clock running, a clock still in its start-up message, one without a voice or one that does not
# answer, it says why in one line and exits 1, and it never starts a clock. Nothing else reaches
# stderr.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
ql_env_start
ql_start_session_bus

speak() { "$QL_PROGRAM" --speak 2>"$QL_TMP/speak.err"; }
voice=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/voice/English\ \(Mike\).so
ql_assert_file "$voice" "voice"

# expect_refusal WHY WHAT: --speak exits 1 with one line that says why.
expect_refusal() {
    ql_assert_eq 1 "$(speak; echo $?)" "--speak status $2"
    ql_assert_match "^quorlan-lite: .*$1" "$(cat "$QL_TMP/speak.err")" "--speak message $2"
    ql_assert_eq 1 "$(wc -l <"$QL_TMP/speak.err")" "lines on stderr $2"
}

# Qt's warning at exit came in about one run of six.
for run in {1..30}; do expect_refusal "no clock is running" "with no clock running"; done
ql_bus_has org.vessantry.QuorlanLite && ql_fail "--speak started a clock of its own"

ql_private_install # no voice at all: start-up stops at an error box
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"SNumSettings"="60000000006540"
"CurrentVer"="2.6"
STORE
ql_start_program
box=$(ql_wait_window Error 20) || ql_fail "no start-up error box without voices"
expect_refusal "not finished starting" "while the clock waits in its start-up box"
ql_window_key "$box" Return
ql_wait_program_ready
expect_refusal "no voice is loaded" "from a clock without a voice"
kill -STOP "$QL_PID"
expect_refusal "did not answer" "from a clock that does not answer"
kill -CONT "$QL_PID"
ql_stop_program

cp "$voice" "$QL_TMP/install/voice/English (Mike).so" || ql_fail "cannot install the voice"
ql_start_program
ql_wait_program_ready
ql_wait_until 10 ql_bus_has org.vessantry.QuorlanLite || ql_fail "the clock took no name on the session bus"

ql_record_start "$QL_TMP/speech.wav"
ql_sleep 0.3
speak || ql_fail "--speak failed with a clock running: $(cat "$QL_TMP/speak.err")"
[[ -s $QL_TMP/speak.err ]] && ql_fail "--speak wrote to stderr: $(cat "$QL_TMP/speak.err")"
ql_sleep 3
ql_record_stop
ql_assert_sound "$QL_TMP/speech.wav" "speech after --speak"

ql_stop_program
ql_assert_clean_exit
