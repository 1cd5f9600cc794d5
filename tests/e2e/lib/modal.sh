# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the tests of the clock under its modal windows, sourced after env.sh.

# modal_install_voice SLEEP_MS: a private copy of the program whose only voice is the recording
# test voice; each call lasts SLEEP_MS and leaves "begin"/"end" lines in $QL_TEST_VOICE_LOG.
modal_install_voice() {
    local plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
    ql_assert_file "$plugins/RecordingVoice.so" "test voice"
    ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
    export QL_TEST_VOICE_LOG=$QL_TMP/voice.log QL_TEST_VOICE_SLEEP_MS=$1
    : >"$QL_TEST_VOICE_LOG"
    export FAKETIME_DONT_FAKE_MONOTONIC=1 # faked wall clock, timers at real speed
}

# modal_store VERSION BIN SNUM: a store with the main window at 100,100 and these settings.
modal_store() {
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="$2"
"LNumSettings"="01000100010000000255"
"SNumSettings"="$3"
"CurrentVer"="$1"
STORE
}

modal_calls() { grep -c "^$1 " "$QL_TEST_VOICE_LOG"; }
modal_calls_reach() { (($(modal_calls "$1") >= $2)); }

# modal_assert_face_ticks WHAT: two screenshots of the main window's seconds cells, two
# seconds apart, must differ.
modal_assert_face_ticks() {
    local main n
    main=$(ql_find_window 'Multilingual Quorlan') || ql_fail "no main window $1"
    ql_window_shot "$main" "$QL_TMP/face-a.png"
    ql_sleep 2
    ql_window_shot "$main" "$QL_TMP/face-b.png"
    n=$(ql_differing_pixels "$QL_TMP/face-a.png" "$QL_TMP/face-b.png" 42x33+153+50)
    [[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/face-a.png" "$QL_SHOTS/face-a-$QL_TEST_NAME.png" &&
        cp "$QL_TMP/face-b.png" "$QL_SHOTS/face-b-$QL_TEST_NAME.png"
    ((n > 0)) || ql_fail "the seconds stood still for 2 s $1"
}

# The settings were written at the close: a prepared store has no "InstallDir" until then.
modal_assert_saved() {
    ql_store_value "$Q_LITE" InstallDir >/dev/null || ql_fail "the settings were not saved $1"
}
