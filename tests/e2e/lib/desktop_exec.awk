# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the program (first argument) of the Exec key in a desktop entry file, decoded as the
# Desktop Entry rules say: string escapes first, then the argument quoting. Exits 1 on
# a missing key, 2 on quoting that the Desktop Entry format forbids.
function unescape_string(s,    out, i, c) {
    out = ""
    for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\" && i < length(s)) {
            c = substr(s, ++i, 1)
            if (c == "s") c = " "
            else if (c == "n") c = "\n"
            else if (c == "t") c = "\t"
            else if (c == "r") c = "\r"
            else if (c != "\\") c = "\\" c
        }
        out = out c
    }
    return out
}

function first_argument(s,    out, i, c) {
    out = ""
    if (substr(s, 1, 1) != "\"") {
        for (i = 1; i <= length(s) && substr(s, i, 1) != " "; i++) {
            c = substr(s, i, 1)
            if (index("\t\n\"'\\><~|&;$*?#()`", c)) exit 2
            out = out c
        }
        return out
    }
    for (i = 2; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\"") {
            if (i < length(s) && substr(s, i + 1, 1) != " ") exit 2
            return out
        }
        if (c == "\\") {
            c = substr(s, ++i, 1)
            if (!index("\"`$\\", c)) exit 2
        } else if (index("`$", c)) {
            exit 2
        }
        out = out c
    }
    exit 2
}

/^\[/ { in_entry = ($0 == "[Desktop Entry]"); next }
in_entry && /^Exec[ \t]*=/ {
    value = $0
    sub(/^Exec[ \t]*=[ \t]*/, "", value)
    arg = first_argument(unescape_string(value))
    gsub(/%%/, "%", arg)
    print arg
    found = 1
    exit
}
END { if (!found) exit 1 }
