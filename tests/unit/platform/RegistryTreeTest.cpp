// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace ql {
namespace {

std::vector<std::string> paths(const RegistryTree& tree) {
    std::vector<std::string> out;
    for (const auto& [folded, key] : tree.keys())
        out.push_back(key.path);
    return out;
}

RegistryTree treeWith(const std::vector<std::string>& keys) {
    RegistryTree tree;
    for (const auto& key : keys)
        EXPECT_TRUE(tree.createKey(key)) << key;
    return tree;
}

TEST(RegistryTree, NormalisesSeparators) {
    const struct {
        const char* path;
        const char* expected;
    } rows[] = {
        {"", ""},
        {"\\", ""},
        {"\\\\\\", ""},
        {"Software", "Software"},
        {"\\Software\\Vessantry", "Software\\Vessantry"},
        {"Software\\\\Vessantry\\", "Software\\Vessantry"},
        {"\\\\a\\\\\\b\\\\", "a\\b"},
        {" a \\ b ", " a \\ b "}, // blanks are part of a name
    };
    for (const auto& row : rows)
        EXPECT_EQ(RegistryTree::normalise(row.path), row.expected) << row.path;
}

TEST(RegistryTree, KeyExistsWhenItsSectionOrAnythingBelowExists) {
    const RegistryTree tree = treeWith({"Software\\Vessantry\\Quorlan Lite", "Bare\\Key"});
    const struct {
        const char* path;
        bool exists;
    } rows[] = {
        {"Software", true},
        {"software\\VESSANTRY", true},
        {"\\Software\\Vessantry\\Quorlan Lite", true},
        {"SOFTWARE\\\\vessantry\\quorlan lite\\", true},
        {"Software\\Vessantry\\Quorlan", false}, // a prefix of a name is not a parent
        {"Software\\Vessantry\\Quorlan Lite\\Sub", false},
        {"Soft", false},
        {"Bare", true},
        {"Bare\\Key", true},
        {"Bare\\Key\\x", false},
        {"", true}, // the root
        {"\\", true},
        {"Missing", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(tree.keyExists(row.path), row.exists) << row.path;
}

TEST(RegistryTree, NewKeysTakeTheSpellingOfExistingComponents) {
    const struct {
        std::vector<std::string> existing;
        const char* created;
        const char* stored;
    } rows[] = {
        {{"Software\\Vessantry\\Quorlan Lite"},
         "SOFTWARE\\VESSANTRY\\Quorlan",
         "Software\\Vessantry\\Quorlan"},
        {{"Software\\Vessantry\\Quorlan Lite"}, "software\\vessantryX", "Software\\vessantryX"},
        {{"Software\\Vessantry\\Quorlan Lite"}, "SOFTWAREX", "SOFTWAREX"},
        {{"Software\\Vessantry\\Quorlan Lite"},
         "\\\\software\\vessantry\\QUORLAN LITE\\Sub",
         "Software\\Vessantry\\Quorlan Lite\\Sub"},
        {{"Software\\Vessantry\\Quorlan Lite"}, "software\\vessantry", "Software\\Vessantry"},
        // The donor is found on either side of the new key in sorted order.
        {{"Ab\\x", "Ab c"}, "AB\\a", "Ab\\a"},
        {{"Ab\\x", "Ab c"}, "aB\\y", "Ab\\y"},
        {{"A\\x", "a b"}, "a", "A"}, // the nearer key "a b" shares no whole component
        {{"A\\x", "a b"}, "a\\y", "A\\y"},
        {{"A\\B", "A\\C\\D"}, "a\\c", "A\\C"},
        {{"A\\B", "A\\C\\D"}, "a\\c\\d\\e", "A\\C\\D\\e"},
    };
    for (const auto& row : rows) {
        RegistryTree tree = treeWith(row.existing);
        const RegistryTree::Key* key = tree.openKey(row.created);
        ASSERT_NE(key, nullptr) << row.created;
        EXPECT_EQ(key->path, row.stored) << row.created;
    }
}

TEST(RegistryTree, ValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    RegistryTree tree;
    ASSERT_TRUE(tree.setValue("Software\\X", "BinSettings", "1"));
    ASSERT_TRUE(tree.setValue("SOFTWARE\\x", "BINSETTINGS", "2"));
    ASSERT_TRUE(tree.setValue("software\\X", "Other", ""));

    EXPECT_EQ(tree.value("software\\x", "binsettings"), "2");
    EXPECT_EQ(tree.value("Software\\X", "OTHER"), "");
    EXPECT_FALSE(tree.value("Software\\X", "BinSetting").has_value());
    EXPECT_FALSE(tree.value("Software", "BinSettings").has_value()); // not inherited
    ASSERT_EQ(paths(tree), std::vector<std::string>{"Software\\X"});
    const auto& values = tree.findKey("software\\x")->values;
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values.at("binsettings").name, "BinSettings");
}

TEST(RegistryTree, DeleteKeyRemovesExactlyTheSubtree) {
    const std::vector<std::string> all = {"A", "A\\B", "A\\B\\C", "A B", "A]", "AB", "Z"};
    const struct {
        const char* deleted;
        bool accepted;
        std::vector<std::string> left;
    } rows[] = {
        {"a", true, {"A B", "A]", "AB", "Z"}},
        {"A\\b", true, {"A", "A B", "A]", "AB", "Z"}},
        {"\\a\\B\\c\\", true, {"A", "A\\B", "A B", "A]", "AB", "Z"}},
        {"a b", true, {"A", "A\\B", "A\\B\\C", "A]", "AB", "Z"}},
        {"missing", true, {"A", "A\\B", "A\\B\\C", "A B", "A]", "AB", "Z"}},
        {"", false, {"A", "A\\B", "A\\B\\C", "A B", "A]", "AB", "Z"}}, // the root stays
        {"\\", false, {"A", "A\\B", "A\\B\\C", "A B", "A]", "AB", "Z"}},
    };
    for (const auto& row : rows) {
        RegistryTree tree = treeWith(all);
        EXPECT_EQ(tree.deleteKey(row.deleted), row.accepted) << row.deleted;
        std::vector<std::string> left = paths(tree);
        std::sort(left.begin(), left.end());
        std::vector<std::string> expected = row.left;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(left, expected) << row.deleted;
    }
}

TEST(RegistryTree, ParentsExistOnlyWhileSomethingBelowDoes) {
    RegistryTree tree = treeWith({"A\\B\\C"});
    EXPECT_TRUE(tree.keyExists("A\\B"));
    ASSERT_TRUE(tree.deleteKey("A\\B\\C"));
    EXPECT_FALSE(tree.keyExists("A"));
    EXPECT_TRUE(tree.empty());
}

TEST(RegistryTree, BareKeysSurviveLosingTheirLastValue) {
    RegistryTree tree;
    ASSERT_TRUE(tree.setValue("K", "v", "1"));
    tree.deleteValue("k", "V");
    tree.deleteValue("k", "never there");
    tree.deleteValue("missing", "v");
    EXPECT_TRUE(tree.keyExists("K"));
    EXPECT_FALSE(tree.valueExists("K", "v"));
    EXPECT_EQ(paths(tree), std::vector<std::string>{"K"});
}

TEST(RegistryTree, PathsThatCannotBeStoredChangeNothing) {
    const char* rows[] = {"", "\\", "\\\\", "a\nb", "a\rb", "ok\\bad\n"};
    for (const char* path : rows) {
        RegistryTree tree;
        const bool root = RegistryTree::normalise(path).empty();
        EXPECT_EQ(tree.createKey(path), root) << path; // creating the root is a no-op
        EXPECT_FALSE(tree.setValue(path, "n", "t")) << path;
        EXPECT_FALSE(tree.setValues(path, {{"n", "t"}})) << path;
        EXPECT_EQ(tree.openKey(path), nullptr) << path;
        EXPECT_TRUE(tree.empty()) << path;
    }
}

TEST(RegistryTree, SetValuesLastDuplicateWins) {
    RegistryTree tree;
    ASSERT_TRUE(tree.setValues("K", {{"a", "1"}, {"b", "2"}, {"A", "3"}}));
    EXPECT_EQ(tree.value("K", "a"), "3");
    EXPECT_EQ(tree.value("K", "b"), "2");
    EXPECT_EQ(tree.findKey("K")->values.at("a").name, "a");
}

// Brute force: how many leading bytes of whole components two folded paths share.
std::size_t wholeComponentsInCommon(const std::string& x, const std::string& y) {
    std::size_t common = 0, whole = 0;
    for (; common < x.size() && common < y.size() && x[common] == y[common]; ++common)
        if (x[common] == '\\') whole = common;
    const bool xEnds = common == x.size() || x[common] == '\\';
    const bool yEnds = common == y.size() || y[common] == '\\';
    return xEnds && yEnds ? common : whole;
}

// Random operations on a few similar names, checked against a brute-force reading of the rules.
TEST(RegistryTree, RandomOperationsKeepOneSpellingPerComponent) {
    const std::vector<std::string> names = {"a", "A", "b", "B", "ab", "aB", "a b", "a]"};
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::size_t> pick(0, names.size() - 1);
    std::uniform_int_distribution<int> depth(1, 3), operation(0, 3);
    RegistryTree tree;
    for (int step = 0; step < 1000; ++step) {
        std::string path;
        for (int d = depth(rng); d > 0; --d)
            path += (path.empty() ? "" : "\\") + names[pick(rng)];
        const int op = operation(rng);
        if (op == 0) tree.deleteKey(path);
        if (op == 1) tree.setValue(path, "v", "1");
        if (op >= 2) tree.createKey(path);

        const std::string folded = RegistryTree::fold(path);
        bool exists = false;
        for (const auto& [key, entry] : tree.keys()) {
            exists = exists || key == folded || key.starts_with(folded + "\\");
            ASSERT_EQ(RegistryTree::fold(entry.path), key);
            for (const auto& [other, otherEntry] : tree.keys()) {
                const std::size_t shared = wholeComponentsInCommon(key, other);
                ASSERT_EQ(entry.path.substr(0, shared), otherEntry.path.substr(0, shared))
                    << "step " << step;
            }
        }
        ASSERT_EQ(tree.keyExists(path), exists) << "step " << step << ": " << path;
    }
}

} // namespace
} // namespace ql
