// SPDX-License-Identifier: GPL-3.0-or-later
// The file store and the fake must behave alike, or tests written against the fake lie.
#include "fakes/MemorySettingsStore.h"
#include "store/FileSettingsStore.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

const std::string kLite = "\\Software\\Vessantry\\Quorlan Lite";

struct MemoryStore {
    MemorySettingsStore store;
};

struct FileStore {
    test::TempDir dir;
    FileSettingsStore store{dir.path() / "vessantry" / "user.reg"};
};

template <typename Holder> class SettingsStoreContract : public ::testing::Test {
  protected:
    Holder holder;
    SettingsStore& store = holder.store;
};

using Stores = ::testing::Types<MemoryStore, FileStore>;
TYPED_TEST_SUITE(SettingsStoreContract, Stores);

TYPED_TEST(SettingsStoreContract, EmptyStoreHasNothing) {
    SettingsStore& s = this->store;
    EXPECT_FALSE(s.keyExists(kLite));
    EXPECT_FALSE(s.valueExists(kLite, "BinSettings"));
    EXPECT_EQ(s.readValue(kLite, "BinSettings"), std::nullopt);
    EXPECT_TRUE(s.keyExists("")); // the root
}

TYPED_TEST(SettingsStoreContract, WrittenValuesReadBackIgnoringCase) {
    SettingsStore& s = this->store;
    ASSERT_TRUE(s.writeValues(kLite, {{"BinSettings", "010000100000"}, {"SelLang", "3"}}));
    ASSERT_TRUE(s.writeValues("software\\vessantry\\quorlan lite", {{"selLANG", "4"}}));
    EXPECT_TRUE(s.keyExists("SOFTWARE\\VESSANTRY"));
    EXPECT_TRUE(s.valueExists(kLite, "binsettings"));
    EXPECT_EQ(s.readValue(kLite, "BinSettings"), "010000100000");
    EXPECT_EQ(s.readValue(kLite, "SelLang"), "4");
    EXPECT_EQ(s.readValue("Software\\Vessantry", "BinSettings"), std::nullopt);
}

TYPED_TEST(SettingsStoreContract, CreateKeyMakesABareKey) {
    SettingsStore& s = this->store;
    ASSERT_TRUE(s.createKey("\\software\\microsoft\\windows\\currentversion\\run"));
    ASSERT_TRUE(s.createKey("\\software\\microsoft\\windows\\currentversion\\run")); // again
    EXPECT_TRUE(s.keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
    EXPECT_FALSE(s.keyExists("\\software\\microsoft\\windows nt\\currentversion\\run"));
    EXPECT_FALSE(s.valueExists("\\software\\microsoft\\windows\\currentversion\\run", ""));
}

TYPED_TEST(SettingsStoreContract, DeletingWhatIsMissingSucceeds) {
    SettingsStore& s = this->store;
    EXPECT_TRUE(s.deleteValue(kLite, "Quorlan Lite"));
    EXPECT_TRUE(s.deleteKey("\\Software\\Vessantry\\Quorlan"));
    ASSERT_TRUE(s.writeValues(kLite, {{"a", "1"}}));
    EXPECT_TRUE(s.deleteValue(kLite, "b"));
    EXPECT_EQ(s.readValue(kLite, "a"), "1");
}

TYPED_TEST(SettingsStoreContract, DeletesValuesAndSubtrees) {
    SettingsStore& s = this->store;
    ASSERT_TRUE(s.writeValues("\\Software\\Vessantry\\Quorlan", {{"WindowTop", "120"}}));
    ASSERT_TRUE(s.writeValues("\\Software\\Vessantry\\Quorlan\\Sub", {{"x", "1"}}));
    ASSERT_TRUE(s.writeValues(kLite, {{"BinSettings", "1"}, {"SelLang", "0"}}));

    ASSERT_TRUE(s.deleteValue(kLite, "SELLANG"));
    EXPECT_FALSE(s.valueExists(kLite, "SelLang"));
    EXPECT_TRUE(s.valueExists(kLite, "BinSettings"));

    ASSERT_TRUE(s.deleteKey("software\\vessantry\\QUORLAN"));
    EXPECT_FALSE(s.keyExists("\\Software\\Vessantry\\Quorlan"));
    EXPECT_FALSE(s.keyExists("\\Software\\Vessantry\\Quorlan\\Sub"));
    EXPECT_TRUE(s.keyExists(kLite));

    ASSERT_TRUE(s.deleteValue(kLite, "BinSettings"));
    EXPECT_TRUE(s.keyExists(kLite)); // now a bare key
}

TYPED_TEST(SettingsStoreContract, RefusesKeysItCannotHold) {
    SettingsStore& s = this->store;
    EXPECT_FALSE(s.writeValues("", {{"a", "1"}}));
    EXPECT_FALSE(s.writeValues("\\", {{"a", "1"}}));
    EXPECT_FALSE(s.createKey("Line\nBreak"));
    EXPECT_FALSE(s.writeValues("Line\rBreak", {}));
    EXPECT_FALSE(s.deleteKey("\\"));
    EXPECT_TRUE(s.createKey("")); // the root already exists
    EXPECT_FALSE(s.keyExists("Line\nBreak"));
}

TYPED_TEST(SettingsStoreContract, KeepsAnyText) {
    SettingsStore& s = this->store;
    std::string text = "quote\" back\\slash\nline\r\ttab ]=[ \xC3\xA9 \xFF ";
    text += '\0';
    text += " end";
    ASSERT_TRUE(s.writeValues(kLite, {{text, text}}));
    EXPECT_EQ(s.readValue(kLite, text), text);
}

TEST(MemorySettingsStore, FailingWritesChangeNothing) {
    MemorySettingsStore s;
    ASSERT_TRUE(s.writeValues(kLite, {{"a", "1"}}));
    const RegistryTree before = s.tree();
    s.failWrites = true;
    EXPECT_FALSE(s.writeValues(kLite, {{"a", "2"}}));
    EXPECT_FALSE(s.createKey("Other"));
    EXPECT_FALSE(s.deleteValue(kLite, "a"));
    EXPECT_FALSE(s.deleteKey(kLite));
    EXPECT_TRUE(s.tree() == before);
    EXPECT_EQ(s.writes, 1);
    // Changes that change nothing do not need the disk, as with the file store.
    EXPECT_TRUE(s.writeValues(kLite, {{"a", "1"}}));
    EXPECT_TRUE(s.deleteValue(kLite, "missing"));
    EXPECT_TRUE(s.createKey(kLite));
}

} // namespace
} // namespace ql
