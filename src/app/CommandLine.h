// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ql {

// The program's command line. --help and --version are built in; other parts of the program add
// their options before parse(). Qt's own options (-platform, -display, -session, ...) pass through
// to QApplication: a session manager restarts the clock with -session.
class CommandLine {
  public:
    // An action replaces the clock's run: the program ends with the action's exit status. It
    // runs before any QApplication exists, so it makes the one it needs.
    using Action = std::function<int()>;

    CommandLine(std::string program, std::string version, std::string summary);

    // Names are given without the leading dashes and used as --name.
    void addFlag(std::string name, std::string help);
    void addAction(std::string name, std::string help, Action action);

    // nullopt when the clock should start; otherwise the status to exit with now: 0 after
    // --help or --version, 2 after a usage error (one line on err), or the action's status.
    // The whole line is checked before any action runs.
    std::optional<int> parse(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err);
    std::optional<int> parse(int argc, char** argv);

    bool isSet(const std::string& name) const { return set_.count(name) != 0; }

  private:
    struct Option {
        std::string name;
        std::string help;
        Action action;
    };

    const Option* find(const std::string& arg) const;
    int usageError(std::ostream& err, const std::string& problem) const;
    void printHelp(std::ostream& out) const;

    std::string program_;
    std::string version_;
    std::string summary_;
    std::vector<Option> options_;
    std::set<std::string> set_;
};

} // namespace ql
