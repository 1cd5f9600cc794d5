#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Upgrade: only the earlier version's key exists. Every flag is off, the window goes to 0,0
# with a frame, the upgrade window opens once, and the earlier key is gone afterwards.
source "$(dirname "$0")/env.sh"
ql_env_start

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan]
"WindowTop"="120"
STORE
ql_start_program
ql_wait_program_window
upgrade=$(ql_wait_window 'Thank you for upgrading' 20) || ql_fail "no upgrade window"
main=$(ql_find_window 'Multilingual Quorlan') || ql_fail "no main window beside the upgrade window"
# Stored 0,0 is the outer (frame) position; a window manager may still keep it elsewhere, so
# what is written must be where the window really is.
read -r left top <<<"$(ql_outer_position "$main")"
[[ "$left $top" == "0 0" ]] || ql_log "the window manager placed the frame at $left,$top, not 0,0"
[[ $(ql_frame_extents "$main") != "0 0 0 0" ]] || ql_fail "the upgraded window has no frame"
ql_assert_store_value "$Q_LITE" CurrentVer 2.6
ql_window_key "$upgrade" Return
ql_wait_until 5 ql_not ql_find_window 'Thank you for upgrading' ||
    ql_fail "Return did not close the upgrade window"
ql_wait_until 5 ql_not ql_store_has_key "$Q_OLD" ||
    ql_fail "the earlier version's key is still there after the upgrade window"
ql_stop_program
ql_assert_clean_exit

ql_assert_store_values "$Q_LITE" <<ROWS
BinSettings|000000000000
LNumSettings|$(printf '%04d%04d' "$top" "$left")010000000000
SNumSettings|60000000004040
WaveFileName|
SelLang|0
InstallDir|$(ql_install_dir)
CurrentVer|2.6
ROWS

# The next run is an ordinary one: neither window opens.
ql_start_program
ql_wait_program_ready
ql_sleep 1
ql_find_window 'Thank you for upgrading' >/dev/null && ql_fail "the upgrade window opened again"
ql_find_window 'Welcome!' >/dev/null && ql_fail "the welcome window opened after an upgrade"
ql_stop_program
ql_assert_clean_exit
