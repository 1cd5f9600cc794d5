// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>

namespace ql {
namespace {

// Qt's standard options, as QGuiApplication and QApplication read them (with one dash or two).
constexpr std::array<std::string_view, 14> kQtValueOptions = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "display",
    "geometry",        "name",
    "title",           "session",
    "style",           "stylesheet"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "nograb", "dograb", "sync",
                                                      "widgetcount"};

std::string_view qtName(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-') return {};
    arg.remove_prefix(arg.substr(0, 2) == "--" ? 2 : 1);
    return arg;
}

template <typename List> bool contains(const List& list, std::string_view name) {
    return !name.empty() && std::find(list.begin(), list.end(), name) != list.end();
}

} // namespace

CommandLine::CommandLine(std::string program, std::string version, std::string summary)
    : program_(std::move(program)), version_(std::move(version)), summary_(std::move(summary)) {
    addFlag("help", "show this help and exit");
    addFlag("version", "show the version and exit");
}

void CommandLine::addFlag(std::string name, std::string help) {
    options_.push_back({std::move(name), std::move(help), nullptr});
}

void CommandLine::addAction(std::string name, std::string help, Action action) {
    options_.push_back({std::move(name), std::move(help), std::move(action)});
}

const CommandLine::Option* CommandLine::find(const std::string& arg) const {
    if (arg.rfind("--", 0) != 0) return nullptr;
    const auto it = std::find_if(options_.begin(), options_.end(),
                                 [&](const Option& o) { return arg.substr(2) == o.name; });
    return it == options_.end() ? nullptr : &*it;
}

std::optional<int> CommandLine::parse(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err) {
    const Option* action = nullptr;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string arg = args[i] == "-h" ? "--help" : args[i];
        if (const Option* option = find(arg)) {
            set_.insert(option->name);
            if (option->action && !action) action = option;
        } else if (contains(kQtValueOptions, qtName(arg))) {
            if (++i == args.size()) return usageError(err, "option '" + arg + "' needs a value");
        } else if (!contains(kQtFlags, qtName(arg))) {
            const bool dashed = arg.size() > 1 && arg[0] == '-';
            return usageError(err,
                              (dashed ? "unknown option '" : "unexpected argument '") + arg + "'");
        }
    }
    if (isSet("help")) {
        printHelp(out);
        return 0;
    }
    if (isSet("version")) {
        out << program_ << ' ' << version_ << '\n';
        return 0;
    }
    if (action) return action->action();
    return std::nullopt;
}

std::optional<int> CommandLine::parse(int argc, char** argv) {
    return parse(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}

int CommandLine::usageError(std::ostream& err, const std::string& problem) const {
    err << program_ << ": " << problem << " (see " << program_ << " --help)\n";
    return 2;
}

void CommandLine::printHelp(std::ostream& out) const {
    std::size_t width = 0;
    for (const Option& o : options_)
        width = std::max(width, o.name.size());
    out << "Usage: " << program_ << " [OPTION]...\n" << summary_ << "\n\nOptions:\n";
    for (const Option& o : options_) {
        out << (o.name == "help" ? "  -h, --" : "      --") << o.name
            << std::string(width - o.name.size() + 2, ' ') << o.help << '\n';
    }
    out << "\nQt's standard options (-platform, -display, -style, ...) are accepted too.\n";
}

} // namespace ql
