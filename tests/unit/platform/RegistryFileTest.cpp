// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ql {
namespace {

const std::string kHead = std::string(RegistryFile::kHeader) + "\n";

std::string canonical(std::string_view text) {
    return RegistryFile::serialise(RegistryFile::parse(text).tree);
}

TEST(RegistryFile, WritesAFixedLayout) {
    RegistryTree tree;
    tree.setValue("Software\\Vessantry\\Quorlan Lite", "WaveFileName", "/home/ann/gong.wav");
    tree.setValue("software\\vessantry\\quorlan lite", "BinSettings", "010000100000");
    tree.createKey("Bare");
    tree.setValue("Esc", "Name \"q\"", "a\\b\nc\rd\te]=[\x01");
    EXPECT_EQ(RegistryFile::serialise(tree), kHead + R"([Bare]

[Esc]
"Name \"q\""="a\\b\nc\rd\te]=[)"
                                                     "\x01"
                                                     R"("

[Software\Vessantry\Quorlan Lite]
"BinSettings"="010000100000"
"WaveFileName"="/home/ann/gong.wav"
)");
    EXPECT_EQ(RegistryFile::serialise(RegistryTree()), kHead);
}

TEST(RegistryFile, ReadsValueLines) {
    const struct {
        const char* line;
        const char* name;
        const char* text;
    } rows[] = {
        {R"("a"="b")", "a", "b"},
        {R"("a\\b"="c")", "a\\b", "c"},
        {R"("q"="say \"hi\"")", "q", "say \"hi\""},
        {R"("n"="l1\nl2\r\tx")", "n", "l1\nl2\r\tx"},
        {R"("p"="C:\Users\x\\y")", "p", "C:\\Users\\x\\y"}, // unknown escapes stay literal
        {"\"u\"=\"Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x9C\x93\"",
         "u",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x9C\x93"},
        {R"("e"="")", "e", ""},
        {R"(""="default")", "", "default"},
        {"\"sp\" \t= \"x\"", "sp", "x"},
        {R"("br"="a]b=c[d#;")", "br", "a]b=c[d#;"},
        {"\"t\"=\"x\"   \t", "t", "x"},
        {"  \t\"i\"=\"x\"", "i", "x"},
        {"\"c\"=\"x\"\r", "c", "x"},
        {"\"raw\"=\"tab\there\"", "raw", "tab\there"},
    };
    for (const auto& row : rows) {
        const auto parsed = RegistryFile::parse(std::string("[K]\n") + row.line + "\n");
        EXPECT_EQ(parsed.lostLines, 0u) << row.line;
        EXPECT_EQ(parsed.tree.value("K", row.name), row.text) << row.line;
        ASSERT_NE(parsed.tree.findKey("K"), nullptr);
        EXPECT_EQ(parsed.tree.findKey("K")->values.size(), 1u) << row.line;
    }
}

TEST(RegistryFile, SkipsAndCountsLinesThatDoNotParse) {
    const char* rows[] = {
        R"("a"="b)",    R"("a"="b\")", R"("a"=b)",         "a=b", R"("a""b")",
        R"("a"="b" x)", R"("a"=)",     R"("a"="b"="c")",   "=",   "\x01\xFF",
        R"("a" "b")",   R"('a'='b')",  R"("unterminated)", "]",
    };
    for (const char* line : rows) {
        const auto parsed = RegistryFile::parse(std::string("[K]\n\"before\"=\"1\"\n") + line +
                                                "\n\"after\"=\"2\"\n");
        EXPECT_EQ(parsed.lostLines, 1u) << line;
        EXPECT_EQ(parsed.firstLostLine, 3u) << line;
        EXPECT_EQ(canonical(std::string("[K]\n\"before\"=\"1\"\n\"after\"=\"2\"\n")),
                  RegistryFile::serialise(parsed.tree))
            << line;
    }
}

TEST(RegistryFile, ValuesUnderAnUnusableHeaderAreLostWithIt) {
    const char* rows[] = {"[", "[]", "[\\]", "[\\\\\\]", "[abc", "[a\rb]", "[K] ; note"};
    for (const char* header : rows) {
        const auto parsed = RegistryFile::parse(std::string("[K]\n\"before\"=\"1\"\n") + header +
                                                "\n\"after\"=\"2\"\n");
        EXPECT_EQ(parsed.lostLines, 2u) << header;
        EXPECT_EQ(parsed.firstLostLine, 3u) << header;
        EXPECT_EQ(parsed.tree.value("K", "before"), "1") << header;
        EXPECT_FALSE(parsed.tree.valueExists("K", "after")) << header;
    }
}

TEST(RegistryFile, ReadsWholeFiles) {
    const struct {
        const char* name;
        std::string input;
        std::string expected; // after the header line
        std::size_t lost;
        std::size_t firstLost;
    } rows[] = {
        {"empty", "", "", 0, 0},
        {"comments and blanks", "\n   \n# c\n; c\n  # indented\n[K]\n\t\n\"a\"=\"1\"\n",
         "[K]\n\"a\"=\"1\"\n", 0, 0},
        {"value before any section", "\"a\"=\"1\"\n[K]\n\"b\"=\"2\"\n", "[K]\n\"b\"=\"2\"\n", 1, 1},
        {"sections merge", "[K]\n\"a\"=\"1\"\n[L]\n[k]\n\"b\"=\"2\"\n",
         "[K]\n\"a\"=\"1\"\n\"b\"=\"2\"\n\n[L]\n", 0, 0},
        {"duplicate name", "[K]\n\"a\"=\"1\"\n\"A\"=\"2\"\n", "[K]\n\"a\"=\"2\"\n", 1, 3},
        {"duplicate across sections", "[K]\n\"a\"=\"1\"\n[k]\n\"a\"=\"2\"\n", "[K]\n\"a\"=\"2\"\n",
         1, 4},
        {"CRLF", "[K]\r\n\"a\"=\"1\"\r\n", "[K]\n\"a\"=\"1\"\n", 0, 0},
        {"byte order mark", "\xEF\xBB\xBF[K]\n", "[K]\n", 0, 0},
        {"no final newline", "[K]\n\"a\"=\"1\"", "[K]\n\"a\"=\"1\"\n", 0, 0},
        {"odd separators", "[\\Software\\\\X\\]\n", "[Software\\X]\n", 0, 0},
        {"bracket in a name", "[a]b]\n", "[a]b]\n", 0, 0},
        {"recovers at the next header", "[K]\n[bad\n\"a\"=\"1\"\n[K]\n\"b\"=\"2\"\n",
         "[K]\n\"b\"=\"2\"\n", 2, 2},
        {"parent after child", "[A\\B]\n[a]\n", "[A]\n\n[A\\B]\n", 0, 0},
        {"NUL bytes", std::string("[K\0]\n\"\0\"=\"\0\"\n", 13),
         std::string("[K\0]\n\"\0\"=\"\0\"\n", 13), 0, 0},
    };
    for (const auto& row : rows) {
        const auto parsed = RegistryFile::parse(row.input);
        EXPECT_EQ(RegistryFile::serialise(parsed.tree), kHead + row.expected) << row.name;
        EXPECT_EQ(parsed.lostLines, row.lost) << row.name;
        EXPECT_EQ(parsed.firstLostLine, row.firstLost) << row.name;
    }
}

// --- Seeded random inputs ------------------------------------------------------------------

std::string randomBytes(std::mt19937& rng, std::size_t size, bool lineBreaks) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(size, '\0');
    for (char& c : out) {
        do
            c = static_cast<char>(byte(rng));
        while (!lineBreaks && (c == '\n' || c == '\r'));
    }
    return out;
}

// Text built mostly from the format's own punctuation, so that it is often nearly valid.
std::string randomText(std::mt19937& rng) {
    static const std::vector<std::string> tokens = {
        "[",        "]",
        "\"",       "\\",
        "=",        "\n",
        "\n",       "#",
        ";",        " ",
        "\t",       "\r",
        "a",        "B",
        "k",        "\xC3\xA9",
        "\xFF",     std::string(1, '\0'),
        "\\\"",     "\\n",
        "\\\\",     "\"a\"=\"b\"\n",
        "[K]\n",    "[k\\x]\n",
        "\"A\"=\"", "\"=\"",
    };
    std::uniform_int_distribution<std::size_t> count(0, 40), pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> rare(0, 7);
    std::string out;
    for (std::size_t i = count(rng); i > 0; --i)
        out += rare(rng) == 0 ? randomBytes(rng, 1, true) : tokens[pick(rng)];
    return out;
}

std::string randomName(std::mt19937& rng, bool keyComponent) {
    std::uniform_int_distribution<std::size_t> size(keyComponent ? 1 : 0, 8);
    std::string out = randomBytes(rng, size(rng), !keyComponent);
    if (keyComponent)
        for (char& c : out)
            if (c == '\\') c = 'x';
    return out;
}

RegistryTree randomTree(std::mt19937& rng) {
    std::uniform_int_distribution<int> keys(0, 4), depth(1, 3), values(0, 3);
    RegistryTree tree;
    for (int k = keys(rng); k > 0; --k) {
        std::string path;
        for (int d = depth(rng); d > 0; --d)
            path += randomName(rng, true) + "\\";
        EXPECT_TRUE(tree.createKey(path));
        for (int v = values(rng); v > 0; --v)
            tree.setValue(path, randomName(rng, false), randomName(rng, false));
    }
    return tree;
}

// Whatever the input, what was read writes back to a text that reads back the same, losslessly.
::testing::AssertionResult roundTrips(const std::string& input) {
    const auto first = RegistryFile::parse(input);
    const std::string text = RegistryFile::serialise(first.tree);
    const auto second = RegistryFile::parse(text);
    if (second.lostLines != 0 || !(second.tree == first.tree) ||
        RegistryFile::serialise(second.tree) != text)
        return ::testing::AssertionFailure() << ::testing::PrintToString(input);
    return ::testing::AssertionSuccess();
}

TEST(RegistryFile, RandomTextParsesAndRoundTrips) {
    std::mt19937 rng(20261207);
    for (int i = 0; i < 100000; ++i) {
        const std::string input = i % 10 == 0 ? randomBytes(rng, 64, true) : randomText(rng);
        const auto check = roundTrips(input);
        ASSERT_TRUE(check) << "input #" << i;
    }
}

TEST(RegistryFile, RandomTreesRoundTripExactly) {
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const RegistryTree tree = randomTree(rng);
        const auto parsed = RegistryFile::parse(RegistryFile::serialise(tree));
        ASSERT_EQ(parsed.lostLines, 0u) << "tree #" << i;
        ASSERT_TRUE(parsed.tree == tree) << "tree #" << i << "\n" << RegistryFile::serialise(tree);
    }
}

TEST(RegistryFile, HugeLinesAreHandled) {
    std::mt19937 rng(3);
    const std::size_t tenMegabytes = 10u << 20;

    std::string garbage = randomBytes(rng, tenMegabytes, false);
    garbage.front() = 'x'; // never a header
    const auto parsed = RegistryFile::parse("[K]\n\"a\"=\"1\"\n" + garbage + "\n\"b\"=\"2\"\n");
    EXPECT_EQ(parsed.tree.value("K", "a"), "1");
    EXPECT_EQ(parsed.tree.value("K", "b"), "2");
    EXPECT_EQ(parsed.lostLines, 1u);

    RegistryTree big;
    big.setValue("K", "big", randomBytes(rng, tenMegabytes, true));
    std::string deep;
    for (std::size_t i = 0; i < tenMegabytes / 4; ++i)
        deep += "ab\\";
    big.setValue(deep, "n", "t");
    const auto back = RegistryFile::parse(RegistryFile::serialise(big));
    EXPECT_EQ(back.lostLines, 0u);
    EXPECT_TRUE(back.tree == big);
    EXPECT_TRUE(roundTrips("[K]\n\"a\"=\"" + garbage)); // an unbalanced quote up to the end
}

} // namespace
} // namespace ql
