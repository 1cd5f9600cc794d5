#include "platform/linux/XdgAutostart.h"

#include "common/UserFolders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {
namespace {

std::filesystem::path entryIn(const std::filesystem::path& configFolder) {
    return configFolder.empty() ? configFolder
                                : configFolder / "autostart" / "quorlan-lite.desktop";
}

std::string describe(const std::string& what, int err) {
    return what + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
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
    return writeEntry(text, error) || failed("saved", error);
}

// A fresh file of a random name, never an existing one or a link someone put in its place,
// then one rename: a crash leaves the old entry or the new one.
bool XdgAutostart::writeEntry(const std::string& text, std::string& error) const {
    std::string temp = file_.string() + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = describe("cannot create a file beside " + file_.string(), errno);
        return false;
    }
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
    if (!ok) error = describe("cannot write " + temp, errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = describe("cannot write " + temp, errno);
    }
    if (ok && ::rename(temp.c_str(), file_.c_str()) != 0) {
        ok = false;
        error = describe("cannot replace " + file_.string(), errno);
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
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
