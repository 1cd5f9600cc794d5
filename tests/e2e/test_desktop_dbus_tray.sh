#!/usr/bin/env bash
# A panel that speaks the D-Bus tray protocol (KDE Plasma, GNOME + AppIndicator, waybar): the icon
# registers with the panel's watcher, the panel's primary action brings back a clock started in
# the tray, and the icon's menu speaks.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
ql_env_start --no-sound
ql_start_session_bus
ql_start_sni_watcher

plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log QL_TEST_VOICE_SLEEP_MS=200
: >"$QL_TEST_VOICE_LOG"

# Start in the tray, with a taskbar button once shown.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000010000"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_until 15 ql_sni_item >/dev/null || ql_fail "the icon did not register with the panel's watcher"
ql_sleep 1.5 # the first tick has run

window_viewable() {
    local id
    for id in $(xdotool search --pid "$QL_PID" --name '^Multilingual Quorlan' 2>/dev/null); do
        [[ $(ql_window_info "$id" | awk '{ print $5 }') == IsViewable ]] && return 0
    done
    return 1
}
window_viewable && ql_fail "a clock started in the tray showed its window"

# The panel picks the picture for its own icon size: every size is drawn, none is scaled.
ql_assert_eq "16x16 22x22 24x24 32x32 48x48" "$(ql_sni sizes | sort -n | tr '\n' ' ' | sed 's/ $//')" \
    "the icon's picture sizes"

ql_sni activate || ql_fail "the item did not take Activate"
ql_wait_until 5 window_viewable || ql_fail "Activate from the panel did not show the window"

labels=$(ql_sni labels) || ql_fail "the item's menu could not be read"
ql_assert_match $'(^|\n)Speak!' "$labels" "the icon's menu"
ql_sni click "Speak!" || ql_fail "the panel could not click Speak!"
ql_wait_until 5 grep -q '^end ' "$QL_TEST_VOICE_LOG" || ql_fail "Speak! from the panel's menu did not speak"

ql_stop_program
ql_assert_clean_exit
