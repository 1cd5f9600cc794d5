#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The helpers that read the program's files must read them exactly as their formats define
# them, or every store and autostart check built on them proves nothing.
source "$(dirname "$0")/env.sh"

ql_prepare_store - <<'STORE'
# comment
; another comment
[Software\Vessantry\Quorlan Lite]
"BinSettings"="010000100000"
"WaveFileName"="C:\\dir\\\"quoted\" name.wav"
"Tabbed"="a\tb"
  "Indented"="yes"
"Empty"=""
broken line
"Trailing"="x" junk

[software\vessantry\quorlan]
"WindowTop"="120"
[Software\Vessantry\Quorlan Lite\Sub]
"BinSettings"="sub"
STORE

# key | name | expected ("<missing>" when absent)
rows=(
    'Software\Vessantry\Quorlan Lite|BinSettings|010000100000'
    'SOFTWARE\VESSANTRY\QUORLAN LITE|binsettings|010000100000'
    '\Software\Vessantry\Quorlan Lite|BinSettings|010000100000'
    'Software\Vessantry\Quorlan Lite|WaveFileName|C:\dir\"quoted" name.wav'
    'Software\Vessantry\Quorlan Lite|Tabbed|a	b'
    'Software\Vessantry\Quorlan Lite|Indented|yes'
    'Software\Vessantry\Quorlan Lite|Empty|'
    'Software\Vessantry\Quorlan Lite|Trailing|<missing>'
    'Software\Vessantry\Quorlan Lite|WindowTop|<missing>'
    'Software\Vessantry\Quorlan|WindowTop|120'
    'Software\Vessantry\Quorlan|BinSettings|<missing>'
    'Software\Vessantry\Quorlan Lite\Sub|BinSettings|sub'
    'Software\Vessantry|BinSettings|<missing>'
)
for row in "${rows[@]}"; do
    IFS='|' read -r key name expected <<<"$row"
    got=$(ql_store_value "$key" "$name") || got='<missing>'
    ql_assert_eq "$expected" "$got" "[$key] \"$name\""
done
ql_store_has_key 'software\VESSANTRY\quorlan' || ql_fail "key not found regardless of case"
ql_store_has_key 'Software\Vessantry' && ql_fail "a parent key has no section of its own"

# Exec line | program it starts ("<bad>" when the quoting is invalid)
exec_rows=(
    'Exec=/opt/ql/quorlan-lite|/opt/ql/quorlan-lite'
    'Exec="/opt/ql/quorlan-lite"|/opt/ql/quorlan-lite'
    'Exec="/opt/my apps/quorlan-lite"|/opt/my apps/quorlan-lite'
    'Exec=/opt/my apps/quorlan-lite|/opt/my'
    'Exec="/opt/a\\\\b/\\$x\\"y"|/opt/a\b/$x"y'
    'Exec=/opt/100%%/quorlan-lite|/opt/100%/quorlan-lite'
    'Exec=/opt/$x/quorlan-lite|<bad>'
    'Exec="/opt/$x/quorlan-lite"|<bad>'
    'Exec="/opt/unterminated|<bad>'
    'Name=no exec|<bad>'
)
for row in "${exec_rows[@]}"; do
    line=${row%|*} expected=${row##*|}
    printf '[Desktop Entry]\nType=Application\n%s\n' "$line" >"$QL_TMP/t.desktop"
    got=$(LC_ALL=C awk -f "$QL_E2E_DIR/lib/desktop_exec.awk" "$QL_TMP/t.desktop") || got='<bad>'
    ql_assert_eq "$expected" "$got" "$line"
done

# A start under faketime sees the faked clock.
QL_PROGRAM=$QL_TMP/print-date
printf '#!/bin/sh\ndate "+%%F %%H:%%M"\n' >"$QL_PROGRAM"
chmod +x "$QL_PROGRAM"
ql_start_program '2026-12-06 23:59:58'
ql_wait_pid_exit "$QL_PID" 10 || ql_fail "the faked program did not end"
ql_reap
ql_assert_eq "2026-12-06 23:59" "$(cat "$QL_TMP/program-1.out")" "time under faketime"

# Bounded waits end in time and report the outcome.
start=$(ql_now_us)
ql_wait_until 0.3 false && ql_fail "a wait for something that never happens succeeded"
((($(ql_now_us) - start) < 2000000)) || ql_fail "a 0.3 s wait took more than 2 s"
ql_wait_until 1 true || ql_fail "a wait for something already true failed"
exit 0
