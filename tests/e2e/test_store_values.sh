#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Stored values out of range, malformed or short are replaced per field, and everything else in
# the store survives the save. No window manager, so windows sit exactly where they are placed.
source "$(dirname "$0")/env.sh"
ql_env_start --no-wm --no-sound

# name | BinSettings | LNumSettings | SNumSettings | SelLang | expected Bin | LNum | SNum | shown at
# A top of 5000, or 1000 and a left of 1250, on the 1280 x 1024 screen put the 292 x 130 window
# wholly on the screen (it used to stay out of reach); the position stored stays as it was, for
# a desktop where it can be seen, until the user moves the window.
rows=(
    "bad numbers|000000100000|12ab0200005000120300|15073001079905|abc|000000100000|01000100010000120255|15073001014040|100 100"
    "clamped|001|5000-008200009990000|00240000060909|99|001000000000|5000-008010009990000|60000000064040|0 894"
    "near the edge|000000000000|10001250010000000255|15073000014040|0|000000000000|10001250010000000255|15073000014040|988 894"
    "limits kept|01x|0120-008100009990255|01235901066510|-1|010000000000|0120-008100009990255|01235901066510|0 120"
    "short|0000001|0100020|15|0|000000100000|01000200010000000000|15000000004040|200 100"
)

wave='/home/ann/Sounds/my "gong" \ x.wav'
for row in "${rows[@]}"; do
    IFS='|' read -r name bin lnum snum sellang want_bin want_lnum want_snum shown <<<"$row"
    ql_log "row: $name"
    ql_prepare_store - <<STORE
# prepared by $QL_TEST_NAME
[Software\Vessantry\Quorlan Lite]
"BinSettings"="$bin"
"LNumSettings"="$lnum"
"SNumSettings"="$snum"
"SelLang"="$sellang"
"SelLangList"="2"
"WaveFileName"="/home/ann/Sounds/my \"gong\" \\\\ x.wav"
"CurrentVer"="2.6"

[Software\Other Program]
"Keep"="me"
STORE
    ql_start_program
    ql_wait_program_ready
    ql_assert_eq "$shown" "$(ql_window_info "$(ql_program_window)" | cut -d' ' -f1-2)" "$name: shown at"
    ql_stop_program
    ql_assert_clean_exit
    ql_assert_store_values "$Q_LITE" <<EXPECTED
BinSettings|$want_bin
LNumSettings|$want_lnum
SNumSettings|$want_snum
SelLang|0
WaveFileName|$wave
CurrentVer|2.6
EXPECTED
    ql_assert_store_value 'Software\Other Program' Keep me
done

# A store the user made read-only stays exactly as it is, and the clock says so once.
printf '[Software\\Vessantry\\Quorlan Lite]\n"BinSettings"="01x"\n' | ql_prepare_store -
chmod 444 "$(ql_store_file)"
store_state() { stat -c '%a %i' "$(ql_store_file)" && cat "$(ql_store_file)"; }
before=$(store_state)
ql_run_program_once
ql_assert_eq "$before" "$(store_state)" "mode, inode and text of the read-only store"
ql_assert_eq 1 "$(grep -c 'cannot be saved: .*read-only' "$QL_PROGRAM_ERR")" "read-only messages"
