#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Start minimized in tray" on a desktop without a tray: the window is shown so the clock can
# never be lost, and the stored choice is kept for desktops that have one.
source "$(dirname "$0")/env.sh"
ql_env_start --no-wm --no-sound

# A one-character flag text reads as 100000000000: only "start in tray" is on, framed window.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="1"
"LNumSettings"="01500250010000000255"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_window
main=$(ql_wait_window 'Multilingual Quorlan' 10) || ql_fail "no main window without a tray"
ql_assert_eq "250 150" "$(ql_outer_position "$main")" "window position (left top)"
ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" BinSettings 100000000000
ql_assert_store_value "$Q_LITE" LNumSettings 01500250010000000255
