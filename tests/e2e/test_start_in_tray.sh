#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Start minimized in tray": only the tray icon appears, and the setting survives the run.
source "$(dirname "$0")/env.sh"
ql_env_start

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000100000"
"LNumSettings"="02000300010000000255"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_window
ql_wait_until 20 ql_program_in_tray || ql_fail "no tray icon of the program"
ql_sleep 1 # several ticks: the window must stay hidden past the first one
ql_screenshot "$QL_TMP/tray.png"
ql_find_window 'Multilingual Quorlan' >/dev/null && ql_fail "the main window is shown"
ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" BinSettings 100000100000
ql_assert_store_value "$Q_LITE" LNumSettings 02000300010000000255
