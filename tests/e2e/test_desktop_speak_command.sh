#!/usr/bin/env bash
# "quorlan-lite --speak", what users bind to a key where no portal offers global shortcuts: it
# makes the running clock speak (recorded on the sink with the real English voice), and with no
# clock running it says so and exits 1 without starting one.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
ql_env_start
ql_start_session_bus

speak() { "$QL_PROGRAM" --speak 2>"$QL_TMP/speak.err"; }

speak && ql_fail "--speak with no clock running reported success"
ql_assert_eq 1 "$(speak; echo $?)" "--speak status with no clock running"
ql_assert_match "no clock is running" "$(cat "$QL_TMP/speak.err")" "--speak message"
ql_bus_has org.vessantry.QuorlanLite && ql_fail "--speak started a clock of its own"

voice=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/voice/English\ \(Mike\).so
ql_private_install "$voice":"English (Mike).so"
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"SNumSettings"="60000000006540"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_ready
ql_wait_until 10 ql_bus_has org.vessantry.QuorlanLite || ql_fail "the clock took no name on the session bus"

ql_record_start "$QL_TMP/speech.wav"
ql_sleep 0.3
speak || ql_fail "--speak failed with a clock running: $(cat "$QL_TMP/speak.err")"
ql_sleep 3
ql_record_stop
ql_assert_sound "$QL_TMP/speech.wav" "speech after --speak"

ql_stop_program
ql_assert_clean_exit
