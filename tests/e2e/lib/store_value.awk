# SPDX-License-Identifier: GPL-3.0-or-later
# Finds one value in the settings store: ENVIRON["QL_KEY"] (section) and ENVIRON["QL_NAME"].
# Run with LC_ALL=C so that tolower() is ASCII only, as the store compares names.
BEGIN {
    want_key = tolower(ENVIRON["QL_KEY"])
    want_name = tolower(ENVIRON["QL_NAME"])
}

# Reads a quoted string starting at pos; sets text and pos (after the closing quote).
function quoted(s,    c, out) {
    if (substr(s, pos, 1) != "\"") return 0
    out = ""
    for (pos++; pos <= length(s); pos++) {
        c = substr(s, pos, 1)
        if (c == "\"") { text = out; pos++; return 1 }
        if (c == "\\" && pos < length(s)) {
            c = substr(s, ++pos, 1)
            if (c == "n") c = "\n"
            else if (c == "r") c = "\r"
            else if (c == "t") c = "\t"
            else if (c != "\\" && c != "\"") c = "\\" c
        }
        out = out c
    }
    return 0
}

{
    line = $0
    sub(/\r$/, "", line)
    sub(/^[ \t]+/, "", line)
}
line == "" || line ~ /^[#;]/ { next }
line ~ /^\[/ {
    in_key = 0
    if (line !~ /\][ \t]*$/) next
    key = line
    sub(/^\[\\?/, "", key)
    sub(/\][ \t]*$/, "", key)
    in_key = (tolower(key) == want_key)
    next
}
in_key {
    pos = 1
    if (!quoted(line)) next
    name = text
    if (substr(line, pos, 1) != "=") next
    pos++
    if (!quoted(line)) next
    if (substr(line, pos) !~ /^[ \t]*$/) next
    if (tolower(name) == want_name) { print text; found = 1; exit }
}

END { exit !found }
