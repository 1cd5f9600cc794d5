// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgAutostart.h"

#include "common/UserFolders.h"
#include "store/AtomicFile.h"

#include <cstdio>
#include <system_error>

namespace ql {
namespace {

std::filesystem::path entryIn(const std::filesystem::path& configFolder) {
    return configFolder.empty() ? configFolder
                                : configFolder / "autostart" / "quorlan-lite.desktop";
}

} // namespace

XdgAutostart::XdgAutostart() : file_(entryIn(configHome())) {}

// Backslash, control characters and a leading space have escapes in string values.
std::string XdgAutostart::escapeString(const std::string& text) {
    std::string value;
    for (char c : text) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\t')
            value += "\\t";
        else if (c == '\r')
            value += "\\r";
        else if (c == ' ' && value.empty())
            value += "\\s";
        else
            value += c;
    }
    return value;
}

// Desktop Entry rules: the argument is double-quoted, and inside it `"`, `` ` ``, `$` and `\`
// are backslash-escaped; '%' is doubled because Exec expands field codes. The whole value is
// then a string value, whose own escapes apply on top.
std::string XdgAutostart::quoteExec(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return escapeString(quoted);
}

bool XdgAutostart::add(const std::string& programPath) {
    if (file_.empty()) return failed("saved", "no home folder to keep it in");
    std::string error;
    if (!makePrivateFolders(file_.parent_path(), error)) return failed("saved", error);
    // TryExec: once the program is removed, the entry does nothing.
    const std::string text = "[Desktop Entry]\nType=Application\nName=Quorlan Lite\n"
                             "Comment=Talking desktop clock\nTryExec=" +
                             escapeString(programPath) + "\nExec=" + quoteExec(programPath) +
                             "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
    // A fresh file of a random name, never one someone put in its place, then one rename.
    AtomicFile out(file_);
    if (!out.write(text) || !out.commit()) return failed("saved", out.error());
    return true;
}

bool XdgAutostart::remove() {
    if (file_.empty()) return true; // nowhere to have put one
    std::error_code ec;
    std::filesystem::remove(file_, ec);
    return !ec || failed("removed", file_.string() + ": " + ec.message());
}

bool XdgAutostart::failed(const std::string& what, const std::string& reason) {
    if (!failureReported_)
        std::fprintf(stderr, "quorlan-lite: the autostart entry cannot be %s: %s\n", what.c_str(),
                     reason.c_str());
    failureReported_ = true;
    return false;
}

} // namespace ql
