#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First run: nothing stored. The window is centred and frameless, the welcome window opens,
# and closing writes every value back.
source "$(dirname "$0")/env.sh"
ql_env_start

check_first_run_values() {
    ql_assert_store_values "$Q_LITE" <<ROWS
BinSettings|000000100000
LNumSettings|04400470010000000000
SNumSettings|60000000004040
WaveFileName|
SelLang|0
InstallDir|$(ql_install_dir)
CurrentVer|2.6
ROWS
    ql_store_has_key "$Q_OLD" && ql_fail "the earlier version's key appeared"
    ql_assert_eq 600 "$(stat -c %a "$(ql_store_file)")" "store file mode"
    ql_assert_eq 700 "$(stat -c %a "$(dirname "$(ql_store_file)")")" "store folder mode"
}

# Run 1: the welcome window is confirmed, then the session ends.
ql_clear_store
ql_start_program
ql_wait_program_window
welcome=$(ql_wait_window 'Welcome!' 20) || ql_fail "no welcome window on the first run"
main=$(ql_find_window 'Multilingual Quorlan') || ql_fail "no main window beside the welcome window"
read -r x y w h m <<<"$(ql_window_info "$main")"
ql_assert_eq "292x130" "${w}x$h" "frameless big window size"
ql_assert_eq "470 440" "$(ql_outer_position "$main")" "centred window position (left top)"
ql_screenshot "$QL_TMP/first-run.png"
ql_window_key "$welcome" Return
ql_wait_until 5 ql_not ql_find_window 'Welcome!' || ql_fail "Return did not close the welcome window"
ql_sleep 0.5
ql_find_window 'Welcome!' >/dev/null && ql_fail "the welcome window opened again"
ql_stop_program
ql_assert_clean_exit
check_first_run_values

# Run 2: the session ends while the welcome window is still open; nothing may be lost.
ql_clear_store
ql_start_program
ql_wait_program_window
ql_wait_window 'Welcome!' 20 >/dev/null || ql_fail "no welcome window on the second first run"
ql_stop_program
ql_assert_clean_exit
check_first_run_values
