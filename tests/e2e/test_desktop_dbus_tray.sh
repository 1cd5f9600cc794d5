#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A panel that speaks the D-Bus tray protocol (KDE Plasma, GNOME + AppIndicator, waybar), started
# after the clock (sway's exec races waybar): the icon registers with the panel's watcher within
# 2 s and takes the window of a clock started in the tray; the item is called "Quorlan Lite"; its
# hint changes at most once a minute; the panel's primary action and "Show clock", first in the
# icon's menu, bring the window back, and the menu speaks.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
ql_env_start --no-wm --no-sound # no X tray: as on sway, only the D-Bus panel can take the icon
ql_start_session_bus

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
window_viewable() {
    local id
    for id in $(xdotool search --pid "$QL_PID" --name '^Multilingual Quorlan' 2>/dev/null); do
        [[ $(ql_window_info "$id" | awk '{ print $5 }') == IsViewable ]] && return 0
    done
    return 1
}
window_hidden() { ! window_viewable; }

# The clock reads its wall time from a file: the test turns the seconds and a minute itself.
clock=$QL_TMP/clock
echo "2026-12-07 10:00:50" >"$clock"
ql_start_program --clock-file "$clock"
ql_wait_until 20 window_viewable || ql_fail "without a tray the window did not show"
ql_start_sni_watcher
ql_wait_until 2 ql_sni_item >/dev/null || ql_fail "the icon did not register within 2 s of the panel"
ql_wait_until 3 window_hidden || ql_fail "the panel that came after start-up did not take the window"

item_property() {
    dbus-send --session --print-reply=literal --dest="$(ql_sni_item)" /StatusNotifierItem \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1"
}
ql_assert_match 'variant +Quorlan Lite$' "$(item_property Title)" "the item's title"

# Each hint or icon change is a signal that wakes the panel: four seconds turn, then a minute.
dbus-monitor --session "type='signal',interface='org.kde.StatusNotifierItem'" >"$QL_TMP/signals" 2>&1 &
monitor=$!
ql_track dbus-monitor "$monitor"
ql_sleep 1
for t in 10:00:56 10:00:57 10:00:58 10:00:59 10:01:00; do
    echo "2026-12-07 $t" >"$clock"
    ql_sleep 1.2
done
ql_stop_pid "$monitor" 2
ql_assert_eq 1 "$(grep -c 'member=NewToolTip' "$QL_TMP/signals")" "hint signals as 5 s and a minute turn"
ql_assert_eq 1 "$(grep -c 'member=NewIcon' "$QL_TMP/signals")" "icon signals as 5 s and a minute turn"
ql_assert_match 'Time: 10:01( AM)?   Date' "$(item_property ToolTip)" "the hint over D-Bus"

# The panel picks the picture for its own icon size: every size is drawn, none is scaled.
ql_assert_eq "16x16 22x22 24x24 32x32 48x48" "$(ql_sni sizes | sort -n | tr '\n' ' ' | sed 's/ $//')" \
    "the icon's picture sizes"

ql_sni activate || ql_fail "the item did not take Activate"
ql_wait_until 5 window_viewable || ql_fail "Activate from the panel did not show the window"

labels=$(ql_sni labels) || ql_fail "the item's menu could not be read"
ql_assert_eq "Show clock" "$(head -n 1 <<<"$labels")" "the first item of the icon's menu"
ql_assert_match $'(^|\n)Speak!' "$labels" "the icon's menu"
ql_sni click "Minimize to tray" || ql_fail "the panel could not click Minimize to tray"
ql_wait_until 5 window_hidden || ql_fail "Minimize to tray from the panel's menu left the window"
ql_sni click "Show clock" || ql_fail "the panel could not click Show clock"
ql_wait_until 5 window_viewable || ql_fail "Show clock from the panel's menu did not show the window"
ql_sni click "Speak!" || ql_fail "the panel could not click Speak!"
ql_wait_until 5 grep -q '^end ' "$QL_TEST_VOICE_LOG" || ql_fail "Speak! from the panel's menu did not speak"

ql_stop_program
ql_assert_clean_exit
