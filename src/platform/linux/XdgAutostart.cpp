#include "platform/linux/XdgAutostart.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace ql {

std::filesystem::path userConfigHome() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x == '/') return x;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".config";
}

XdgAutostart::XdgAutostart() : file_(userConfigHome() / "autostart" / "quorlan-lite.desktop") {}

// Desktop Entry rules: the argument is double-quoted, and inside it `"`, `` ` ``, `$` and `\`
// are backslash-escaped; '%' is doubled because Exec expands field codes. The whole value is
// then a string value, whose own escape for '\' doubles the backslashes again.
std::string XdgAutostart::quoteExec(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

bool XdgAutostart::add(const std::string& programPath) {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    const auto temp = file_.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << "[Desktop Entry]\nType=Application\nName=Quorlan Lite\n"
            << "Comment=Talking desktop clock\nExec=" << quoteExec(programPath)
            << "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temp, file_, ec);
    return !ec;
}

bool XdgAutostart::remove() {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
    return !ec;
}

} // namespace ql
