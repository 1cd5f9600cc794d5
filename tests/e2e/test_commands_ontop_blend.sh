#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Always on top" and "Transparent main window" from the settings dialog reach the real window
# and keep it shown; a transparency tried and cancelled leaves the window as it was.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"LNumSettings"="02000300010000000128"
"CurrentVer"="2.6"
STORE
ql_start_program
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
ql_sleep 0.5

opacity() { xprop -id "$main" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.* = //p'; }
# Solid: no opacity property, or the full value.
solid() { [[ $(opacity) == "" || $(opacity) == 4294967295 ]]; }
above() { xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }

# Opens the settings by Ctrl+S and types the keys; focus starts on OK, then Cancel, Help, the
# tabs, Windowless, 24 hr, On top, Transparent buttons, Transparent main window.
in_settings() {
    main=$(ql_wait_window 'Multilingual Quorlan' 5) || ql_fail "no main window"
    ql_window_key "$main" ctrl+s
    ql_wait_window Settings 10 >/dev/null || ql_fail "no settings dialog"
    ql_sleep 0.3
    xdotool key --clearmodifiers "$@"
    ql_wait_until 10 ql_not ql_find_window Settings || ql_fail "the settings dialog stayed open"
    ql_sleep 1
    main=$(ql_wait_window 'Multilingual Quorlan' 5) || ql_fail "the main window is gone"
}

above && ql_fail "on top before it was asked for"
solid || ql_fail "transparent at start: $(opacity)"
start=$(ql_outer_position "$main")

tabs=(Tab Tab Tab Tab Tab Tab)
in_settings "${tabs[@]}" space Tab Tab space Return
above || ql_fail "not on top after OK"
ql_assert_eq 2155905152 "$(opacity)" "opacity 128 of 255 after OK"

# Cleared, then cancelled: the preview is undone.
in_settings "${tabs[@]}" Tab Tab space Escape
ql_assert_eq 2155905152 "$(opacity)" "opacity after Cancel"
above || ql_fail "Cancel changed the stay-on-top state"

in_settings "${tabs[@]}" space Tab Tab space Return
above && ql_fail "still on top after clearing the box"
solid || ql_fail "still transparent after clearing the box: $(opacity)"
ql_assert_eq "$start" "$(ql_outer_position "$main")" "window position after the changes"

ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" BinSettings 000000000000
ql_assert_store_value "$Q_LITE" LNumSettings "$(printf '%04d%04d' "${start#* }" "${start% *}")010000000128"
