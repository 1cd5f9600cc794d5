// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ql {
namespace {

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

struct Case {
    std::vector<std::string> args; // after the program name
    std::optional<int> status;
    std::string out; // exact
    std::string err; // exact
};

constexpr const char* kHelp = "Usage: quorlan-lite [OPTION]...\n"
                              "A talking clock.\n"
                              "\n"
                              "Options:\n"
                              "  -h, --help     show this help and exit\n"
                              "      --version  show the version and exit\n"
                              "      --speak    ask the running clock to speak\n"
                              "      --tray     start in the notification area\n"
                              "\n"
                              "Qt's standard options (-platform, -display, -style, ...) are "
                              "accepted too.\n";

// The program's parser with one action and one flag added, as other parts of the program add
// theirs.
struct Parser {
    Parser() : line("quorlan-lite", "2.6", "A talking clock.") {
        line.addAction("speak", "ask the running clock to speak", [this] {
            ++speakCalls;
            return 7;
        });
        line.addFlag("tray", "start in the notification area");
    }

    Outcome run(std::vector<std::string> args) {
        args.insert(args.begin(), "/usr/bin/quorlan-lite");
        std::ostringstream out, err;
        const auto status = line.parse(args, out, err);
        return {status, out.str(), err.str()};
    }

    CommandLine line;
    int speakCalls = 0;
};

TEST(CommandLineTest, AnswersEachLineWithStatusAndOutput) {
    const std::string seeHelp = " (see quorlan-lite --help)\n";
    const std::vector<Case> cases = {
        {{}, std::nullopt, "", ""},
        {{"--help"}, 0, kHelp, ""},
        {{"-h"}, 0, kHelp, ""},
        {{"--version"}, 0, "quorlan-lite 2.6\n", ""},
        {{"--version", "--help"}, 0, kHelp, ""},
        {{"--bogus"}, 2, "", "quorlan-lite: unknown option '--bogus'" + seeHelp},
        {{"-x"}, 2, "", "quorlan-lite: unknown option '-x'" + seeHelp},
        {{"--help=yes"}, 2, "", "quorlan-lite: unknown option '--help=yes'" + seeHelp},
        {{"now"}, 2, "", "quorlan-lite: unexpected argument 'now'" + seeHelp},
        {{"-"}, 2, "", "quorlan-lite: unexpected argument '-'" + seeHelp},
        // The whole line is checked first: a bad word after --help still is an error.
        {{"--help", "--bogus"}, 2, "", "quorlan-lite: unknown option '--bogus'" + seeHelp},
        // Qt's own options go on to QApplication, with their values.
        {{"-platform", "xcb", "-session", "1a2b_3", "--display", ":1", "-reverse"},
         std::nullopt,
         "",
         ""},
        {{"-session"}, 2, "", "quorlan-lite: option '-session' needs a value" + seeHelp},
        {{"--tray"}, std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        Parser fresh; // each line on a parser of its own
        const Outcome r = fresh.run(c.args);
        const std::string label = "args: " + testing::PrintToString(c.args);
        EXPECT_EQ(r.status, c.status) << label;
        EXPECT_EQ(r.out, c.out) << label;
        EXPECT_EQ(r.err, c.err) << label;
    }
}

TEST(CommandLineTest, FlagsAreSeenAfterParsing) {
    Parser p;
    EXPECT_FALSE(p.line.isSet("tray"));
    EXPECT_EQ(p.run({"-platform", "xcb", "--tray"}).status, std::nullopt);
    EXPECT_TRUE(p.line.isSet("tray"));
    EXPECT_FALSE(p.line.isSet("speak"));
}

TEST(CommandLineTest, AnActionRunsOnceInsteadOfTheClock) {
    Parser p;
    const Outcome r = p.run({"--speak", "--tray", "--speak"});
    EXPECT_EQ(r.status, 7);
    EXPECT_EQ(p.speakCalls, 1);
    EXPECT_EQ(r.out + r.err, "");
}

TEST(CommandLineTest, AnActionDoesNotRunWhenTheLineIsWrong) {
    Parser p;
    EXPECT_EQ(p.run({"--speak", "--bogus"}).status, 2);
    EXPECT_EQ(p.run({"--speak", "--help"}).status, 0);
    EXPECT_EQ(p.speakCalls, 0);
}

} // namespace
} // namespace ql
