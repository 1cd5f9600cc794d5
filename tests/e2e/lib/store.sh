# SPDX-License-Identifier: GPL-3.0-or-later
# The program's per-user settings store: preparing it and reading it back.

ql_store_file() { echo "$XDG_CONFIG_HOME/vessantry/user.reg"; }

# ql_prepare_store FILE | ql_prepare_store - (text on stdin): the store the next start reads.
ql_prepare_store() {
    local file
    file=$(ql_store_file)
    mkdir -p -m 700 "${file%/*}"
    if [[ $1 == - ]]; then cat >"$file"; else cp "$1" "$file"; fi || ql_fail "cannot write $file"
    chmod 600 "$file"
}

# A user who never ran the program: no store at all.
ql_clear_store() { rm -rf "$XDG_CONFIG_HOME/vessantry"; }

# ql_store_value KEY NAME: prints the value's text; false when the key or value is missing.
# Key paths and names match without regard to ASCII case, as the program compares them.
ql_store_value() {
    local file
    file=$(ql_store_file)
    [[ -f $file ]] || return 1
    QL_KEY=${1#\\} QL_NAME=$2 LC_ALL=C awk -f "$QL_E2E_DIR/lib/store_value.awk" "$file"
}

# ql_assert_store_value KEY NAME EXPECTED
ql_assert_store_value() {
    local got
    got=$(ql_store_value "$1" "$2") || ql_fail "store: \"$2\" missing under [$1]"
    ql_assert_eq "$3" "$got" "store \"$2\""
}

ql_assert_no_store_value() {
    local got
    got=$(ql_store_value "$1" "$2") && ql_fail "store: \"$2\" under [$1] should be absent, is '$got'"
    return 0
}

# ql_store_has_key KEY: true when the section itself is present.
ql_store_has_key() {
    local file
    file=$(ql_store_file)
    QL_KEY=${1#\\} LC_ALL=C awk 'BEGIN { want = tolower(ENVIRON["QL_KEY"]) }
        { sub(/\r$/, "") }
        /^\[.*\][ \t]*$/ { s = $0; sub(/^\[\\?/, "", s); sub(/\][ \t]*$/, "", s)
                           if (tolower(s) == want) { found = 1; exit } }
        END { exit !found }' "$file" 2>/dev/null
}

Q_LITE='Software\Vessantry\Quorlan Lite'
Q_OLD='Software\Vessantry\Quorlan'

# ql_assert_store_values KEY, then lines "Name|expected text" on stdin.
ql_assert_store_values() {
    local name expected
    while IFS='|' read -r name expected; do
        [[ -n $name ]] && ql_assert_store_value "$1" "$name" "$expected"
    done
}

# The folder of the program file as the program itself sees it, with the trailing '/'.
ql_install_dir() { echo "$(dirname "$(realpath "$QL_PROGRAM")")/"; }
