#include "app/MainForm.h"

#include "common/Modal.h"
#include "platform/FileSystem.h"
#include "speech/LegacyVoiceNames.h"

#include <QAction>
#include <QCollator>
#include <QToolButton>

#include <filesystem>

namespace ql {
namespace {

namespace fs = std::filesystem;

constexpr const char* VoiceSuffix = ".so";

fs::path toPath(const QString& s) {
    return fs::path(s.toStdString());
}

std::string asciiUpper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool hasVoiceSuffix(const QString& file) {
    return file.endsWith(VoiceSuffix, Qt::CaseInsensitive);
}

// Regular files (or links to them) whose names end in the voice suffix; throws when the folder
// cannot be read.
std::vector<std::string> voiceFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::error_code ec;
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && hasVoiceSuffix(QString::fromStdString(name)))
            names.push_back(name);
    }
    return names;
}

// Moves one legacy file to its long name. The old copy goes only when the voice folder already
// holds a file of that name; after any other failure it stays, as it may be the only copy.
void migrateOne(const fs::path& from, const fs::path& to) {
    const auto result = FileSystem::moveNoReplace(from.string(), to.string());
    std::error_code ec;
    if (result != FileSystem::MoveResult::Moved && fs::is_regular_file(to, ec))
        fs::remove(from, ec);
}

} // namespace

void TMainForm::PrepareVoiceFolder() {
    if (!voiceFolderReady())
        showMessage(this, MessageKind::Error, "Error",
                    "Fatal error: Could not create \"voice\" folder");
}

// False when the folder had to be created and that, or the migration, failed.
bool TMainForm::voiceFolderReady() {
    try {
        const fs::path voice = toPath(ProgramDir + "voice");
        if (fs::is_directory(voice)) {
            if (FUpgraded) MigrateLegacyVoices();
            return true;
        }
        if (!fs::create_directory(voice)) return false;
        MigrateLegacyVoices();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TMainForm::MigrateLegacyVoices() {
    const fs::path program = toPath(ProgramDir);
    for (const std::string& file : voiceFiles(program)) {
        const std::string upper = asciiUpper(file);
        for (const LegacyVoiceName& row : LegacyVoiceNames)
            if (upper == row.oldName) migrateOne(program / file, program / "voice" / row.newName);
    }
    std::error_code ec;
    if (fs::exists(program / "LANG.DAT", ec)) fs::remove(program / "LANG.DAT", ec);
}

void TMainForm::ScanVoiceFolder() {
    std::vector<std::string> files;
    try {
        files = voiceFiles(toPath(ProgramDir + "voice"));
    } catch (const std::exception&) {
        // A missing or unreadable folder holds no voices.
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    LanguageList.clear();
    VoiceFiles.clear();
    for (const std::string& file : files) {
        const QString name = QString::fromStdString(file).chopped(3);
        const auto at = std::lower_bound(LanguageList.begin(), LanguageList.end(), name, collator);
        if (name.isEmpty() || (at != LanguageList.end() && collator.compare(*at, name) == 0))
            continue;
        VoiceFiles.insert(name, QString::fromStdString(file));
        LanguageList.insert(at, name);
    }
    if (LanguageList.isEmpty()) LanguageList << "[No language]";
}

void TMainForm::LoadLanguage() {
    if (VoiceLibrary) P.libraries.release(VoiceLibrary);
    VoiceLibrary = nullptr;
    FSpeakProc = nullptr;
    const QString name = LanguageList.value(SelectedLanguage);
    // The file the scan found, whatever the case of its suffix ("[No language]" has none).
    const QString file = VoiceFiles.value(name, name + VoiceSuffix);
    VoiceLibrary = P.libraries.load((ProgramDir + "voice/" + file).toStdString());
    if (!VoiceLibrary) {
        DisableSpeech();
        showMessage(this, MessageKind::Error, "Error",
                    "Could not load " + name + ".so - time announcements will not be available.");
        return;
    }
    EnableSpeech();
    FSpeakProc = P.libraries.findSpeak(VoiceLibrary);
    if (!FSpeakProc) {
        DisableSpeech();
        showMessage(this, MessageKind::Error, "Error",
                    "Error in " + name + ".so - time announcements will not be available.");
    }
}

void TMainForm::EnableSpeech() {
    for (QToolButton* b : {AnnounceButton, LangSelButton})
        b->setEnabled(true);
    for (QAction* a : {MI_Speak, MI_Selectlanguage})
        a->setEnabled(true);
}

void TMainForm::DisableSpeech() {
    for (QToolButton* b : {AnnounceButton, LangSelButton})
        b->setEnabled(false);
    for (QAction* a : {MI_Speak, MI_Selectlanguage})
        a->setEnabled(false);
}

} // namespace ql
