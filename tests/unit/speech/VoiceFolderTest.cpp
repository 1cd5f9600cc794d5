// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechFixture.h"

#include "speech/VoiceCatalog.h"

#include "speech/LegacyVoiceNames.h"

#include <QRegularExpression>

#include <set>

namespace ql {
namespace {

class VoiceFolderTest : public SpeechFixture {
  protected:
    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(VoiceFolderTest, LegacyTableHasFortyOneDistinctWellFormedRows) {
    std::set<std::string_view> oldNames, newNames;
    for (const auto& row : LegacyVoiceNames) {
        EXPECT_TRUE(oldNames.insert(row.oldName).second) << row.oldName;
        EXPECT_TRUE(newNames.insert(row.newName).second) << row.newName;
        const QString oldName = QString::fromLatin1(row.oldName.data(), row.oldName.size());
        const QString newName = QString::fromLatin1(row.newName.data(), row.newName.size());
        EXPECT_TRUE(QRegularExpression("^[A-Z]{5}\\.SO$").match(oldName).hasMatch()) << row.oldName;
        EXPECT_TRUE(
            QRegularExpression("^[A-Z][a-z]+ \\([A-Z][a-z]+\\)\\.so$").match(newName).hasMatch())
            << row.newName;
        EXPECT_GE(newName.size(), 14) << row.newName;
        EXPECT_LE(newName.size(), 30) << row.newName;
    }
    // Our own voices keep their names when an older installation is taken over.
    for (const char* ours : {"English (Mike).so", "German (Max).so", "Turkish (Rob).so"})
        EXPECT_EQ(newNames.count(ours), 1u) << ours;
}

// Each row: files in the program folder and in the voice folder before the migration, and both
// folders afterwards. Contents are checked too: "old" and "new" mark where a file came from.
TEST_F(VoiceFolderTest, MigrationMovesKnownLegacyVoicesAndKeepsEverythingElse) {
    struct Row {
        const char* what;
        QStringList legacy, existing, existingFolders;
        QStringList programAfter, voiceAfter;
        QByteArray movedContent;
    } rows[] = {
        // clang-format off
        {"known name is moved", {"ENGMI.SO"}, {}, {}, {}, {"English (Mike).so"}, "old"},
        {"case of the old name is ignored", {"engan.so", "GerMa.So"}, {}, {}, {},
         {"English (Annie).so", "German (Max).so"}, "old"},
        {"long name present: legacy copy deleted", {"FREMI.SO"}, {"French (Michel).so"}, {}, {},
         {"French (Michel).so"}, "new"},
        {"unknown names stay", {"ABCDE.SO", "helper.so", "ENGMI.DLL", "ENGMIX.SO"}, {}, {},
         {"ABCDE.SO", "ENGMI.DLL", "ENGMIX.SO", "helper.so"}, {}, ""},
        {"move blocked by a folder of that name: legacy kept", {"SPAPA.SO"}, {},
         {"Spanish (Pablo).so"}, {"SPAPA.SO"}, {"Spanish (Pablo).so"}, ""},
        {"LANG.DAT alone is removed", {"LANG.DAT"}, {}, {}, {}, {}, ""},
        // clang-format on
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        QTemporaryDir root;
        ASSERT_TRUE(QDir(root.path()).mkdir("voice"));
        for (const QString& f : r.legacy)
            touch(root.path() + "/" + f, "old");
        for (const QString& f : r.existing)
            touch(root.path() + "/voice/" + f, "new");
        for (const QString& f : r.existingFolders)
            ASSERT_TRUE(QDir(root.path() + "/voice").mkdir(f));
        VoiceCatalog(fakes.libraries, root.path() + "/").MigrateLegacyVoices();
        EXPECT_EQ(QDir(root.path()).entryList(QDir::Files, QDir::Name), r.programAfter);
        EXPECT_EQ(entries(root.path() + "/voice"), r.voiceAfter);
        if (!r.movedContent.isEmpty()) {
            EXPECT_EQ(contentOf(root.path() + "/voice/" + r.voiceAfter.first()), r.movedContent);
        }
    }
}

TEST_F(VoiceFolderTest, LegacyVoiceStaysWhenTheVoiceFolderIsUnusable) {
    QTemporaryDir root;
    touch(root.path() + "/voice", "not a folder");
    touch(root.path() + "/ENGMI.SO", "only copy");
    touch(root.path() + "/LANG.DAT");
    VoiceCatalog(fakes.libraries, root.path() + "/").MigrateLegacyVoices();
    EXPECT_EQ(contentOf(root.path() + "/ENGMI.SO"), "only copy");
    EXPECT_FALSE(QFile::exists(root.path() + "/LANG.DAT"));
}

// Start-up decides whether the migration runs: new folder always, existing folder only after
// an upgrade. Moved voices show in the language list of the same start.
TEST_F(VoiceFolderTest, StartUpMigratesIntoANewFolderOrAfterAnUpgrade) {
    struct Row {
        bool folderExists, upgraded, migrated;
    } rows[] = {{false, false, true}, {true, true, true}, {true, false, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "exists " << r.folderExists << " upgraded " << r.upgraded);
        QDir(dir.path() + "/voice").removeRecursively();
        if (r.folderExists) QDir(dir.path()).mkdir("voice");
        for (const char* f : {"/ENGMI.SO", "/LANG.DAT"})
            QFile::remove(dir.path() + f);
        touch(dir.path() + "/ENGMI.SO");
        touch(dir.path() + "/LANG.DAT");
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite",
                                {{"BinSettings", "0"}, {"CurrentVer", r.upgraded ? "2.5" : "2.6"}});
        create();
        EXPECT_EQ(QFile::exists(dir.path() + "/ENGMI.SO"), !r.migrated);
        EXPECT_EQ(QFile::exists(dir.path() + "/LANG.DAT"), !r.migrated);
        EXPECT_EQ(listedLanguages(),
                  r.migrated ? QStringList{"English (Mike)"} : QStringList{"[No language]"});
        destroy();
    }
}

TEST_F(VoiceFolderTest, FolderThatCannotBeCreatedIsReportedAndStartUpGoesOn) {
    QDir(dir.path() + "/voice").removeRecursively();
    touch(dir.path() + "/voice", "a file where the folder belongs");
    touch(dir.path() + "/ENGMI.SO", "legacy");
    create();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Error|Fatal error: Could not create \"voice\" folder");
    EXPECT_EQ(messages[1], "Error|Could not load [No language].so - time announcements will not "
                           "be available.");
    EXPECT_EQ(listedLanguages(), QStringList{"[No language]"});
    EXPECT_TRUE(speechControlsDisabled());
    EXPECT_TRUE(fakes.ticks.running);
    EXPECT_EQ(contentOf(dir.path() + "/ENGMI.SO"), "legacy");
}

TEST_F(VoiceFolderTest, ScanListsVoicesSortedWithoutCaseAndDuplicates) {
    struct Row {
        const char* what;
        QStringList files;
        QStringList expected;
        bool anySpelling = false; // which of two spellings survives depends on the enumeration
    } rows[] = {
        {"sorted without regard to case", {"b.so", "A.so", "c.SO"}, {"A", "b", "c"}},
        {"same name in two cases listed once",
         {"Zulu.so", "zulu.SO", "alpha.so"},
         {"alpha", "zulu"},
         true},
        {"other files ignored", {"readme.txt", "x.so.1", "English.so"}, {"English"}},
        {"nothing there", {}, {"[No language]"}},
        {"only foreign files", {"notes.dll"}, {"[No language]"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        removeVoices();
        for (const QString& f : r.files)
            touch(voicePath(f));
        create();
        QStringList listed = listedLanguages();
        if (r.anySpelling)
            for (QString& name : listed)
                name = name.toLower();
        EXPECT_EQ(listed, r.expected);
        destroy();
    }
}

// The listed voice is loaded from the very file the scan found, not from a name rebuilt with a
// lower-case suffix.
TEST_F(VoiceFolderTest, VoiceIsLoadedFromTheFileTheScanFound) {
    struct Row {
        const char* file;
        const char* listed;
    } rows[] = {
        {"English (Mike).SO", "English (Mike)"},
        {"German (Max).So", "German (Max)"},
        {"Turkish (Rob).so", "Turkish (Rob)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        removeVoices();
        messages.clear();
        touch(voicePath(r.file));
        fakes.libraries.libraries[voicePath(r.file).toStdString()] = countingSpeak;
        create();
        EXPECT_EQ(listedLanguages(), QStringList{r.listed});
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(fakes.libraries.loaded, std::vector{voicePath(r.file).toStdString()});
        fakes.dialogs.dialog = [](QDialog&) { return 0; }; // the welcome, while the voice speaks
        const int spoken = speakCalls;
        button("AnnounceButton")->click();
        settle();
        EXPECT_EQ(speakCalls, spoken + 1);
        destroy();
    }
}

TEST_F(VoiceFolderTest, MissingFolderScansAsNoLanguage) {
    VoiceCatalog voices(fakes.libraries, dir.path() + "/");
    QDir(dir.path() + "/voice").removeRecursively();
    voices.ScanVoiceFolder();
    EXPECT_EQ(voices.languages(), QStringList{"[No language]"});
}

} // namespace
} // namespace ql
