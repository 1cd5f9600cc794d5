#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Start clock when I log in": on writes an XDG autostart entry that starts this very program
# file (also from a folder whose name needs quoting), off removes it and nothing else. The entry
# is written safely whatever the umask and whatever lies in the folder, and a failure is said.
source "$(dirname "$0")/env.sh"
ql_env_start --no-wm --no-sound

entry=$XDG_CONFIG_HOME/autostart/quorlan-lite.desktop
other=$XDG_CONFIG_HOME/autostart/other.desktop

store_with_autostart() {
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="00000${1}100000"
"CurrentVer"="2.6"
STORE
}

check_entry() {
    local exec_program
    ql_assert_file "$entry" "autostart entry"
    ql_assert_eq "[Desktop Entry]" "$(grep -m1 -v '^[[:space:]]*\(#.*\)\?$' "$entry")" "first group"
    grep -qx 'Type=Application' "$entry" || ql_fail "autostart entry lacks Type=Application"
    grep -qx 'Name=Quorlan Lite' "$entry" || ql_fail "autostart entry lacks Name=Quorlan Lite"
    exec_program=$(LC_ALL=C awk -f "$QL_E2E_DIR/lib/desktop_exec.awk" "$entry") ||
        ql_fail "Exec= is missing or badly quoted: $(grep '^Exec' "$entry")"
    ql_assert_eq "$(realpath "$QL_PROGRAM")" "$exec_program" "program started at log-on"
    grep -qxF "TryExec=$(realpath "$QL_PROGRAM")" "$entry" || ql_fail "no TryExec= of the program"
}

# The program file in the build tree, then a copy in a folder with a space in its name.
build_program=$QL_PROGRAM
spaced="$QL_TMP/Quorlan apps"
mkdir -p "$spaced"
cp "$build_program" "$spaced/"
for dir in voice help; do
    [[ -d $(dirname "$build_program")/$dir ]] && ln -s "$(dirname "$build_program")/$dir" "$spaced/$dir"
done

mkdir -p "${other%/*}"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=true\n' >"$other"
for QL_PROGRAM in "$build_program" "$spaced/quorlan-lite"; do
    ql_log "program at $QL_PROGRAM"
    store_with_autostart 1
    ql_run_program_once
    check_entry
    ql_assert_store_value "$Q_LITE" InstallDir "$(ql_install_dir)"
    ql_assert_store_value "$Q_LITE" BinSettings 000001100000

    store_with_autostart 0
    ql_run_program_once
    ql_assert_no_file "$entry" "autostart entry after switching autostart off"
    ql_assert_store_value "$Q_LITE" BinSettings 000000100000
done
# Off with no entry present is no error, and another program's entry is never touched.
ql_run_program_once
ql_assert_no_file "$entry" "autostart entry"
ql_assert_file "$other" "another program's autostart entry"

# Under umask 000, the folder it creates and the entry are private to the user; a
# link planted at the name the entry used to be written through leads nowhere.
rm -rf "${entry%/*}"
store_with_autostart 1
umask 000
ql_run_program_once
umask 022
ql_assert_eq "700 600" "$(stat -c %a "${entry%/*}" "$entry" | xargs)" "modes of folder and entry"
echo "the user's own file" >"$QL_TMP/victim"
ln -s "$QL_TMP/victim" "$entry.tmp"
ql_run_program_once
ql_assert_eq "the user's own file" "$(cat "$QL_TMP/victim")" "a file behind a planted link"
check_entry

# An entry that cannot be written is said once; the setting stays on, to be tried again.
rm -rf "${entry%/*}"
echo "not a folder" >"${entry%/*}"
ql_run_program_once
ql_assert_eq 1 "$(grep -c 'autostart entry cannot be saved' "$QL_PROGRAM_ERR")" "messages"
ql_assert_store_value "$Q_LITE" BinSettings 000001100000
