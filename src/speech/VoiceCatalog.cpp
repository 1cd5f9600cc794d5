// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/VoiceCatalog.h"

#include "speech/LegacyVoiceNames.h"
#include "store/FileSystem.h"

#include <QCollator>

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

VoiceCatalog::VoiceCatalog(LibraryLoader& libraries, QString programDir)
    : libraries_(libraries), programDir_(std::move(programDir)) {}

VoiceCatalog::~VoiceCatalog() {
    unload();
}

bool VoiceCatalog::PrepareVoiceFolder(bool upgraded) {
    try {
        if (fs::is_directory(toPath(programDir_ + "voice"))) {
            if (upgraded) MigrateLegacyVoices();
            return true;
        }
        return createFolder();
    } catch (const std::exception&) {
        return false;
    }
}

bool VoiceCatalog::createFolder() {
    if (!fs::create_directory(toPath(programDir_ + "voice"))) return false;
    MigrateLegacyVoices();
    return true;
}

void VoiceCatalog::MigrateLegacyVoices() {
    const fs::path program = toPath(programDir_);
    for (const std::string& file : voiceFiles(program)) {
        const std::string upper = asciiUpper(file);
        for (const LegacyVoiceName& row : LegacyVoiceNames)
            if (upper == row.oldName) migrateOne(program / file, program / "voice" / row.newName);
    }
    std::error_code ec;
    if (fs::exists(program / "LANG.DAT", ec)) fs::remove(program / "LANG.DAT", ec);
}

void VoiceCatalog::ScanVoiceFolder() {
    std::vector<std::string> files;
    try {
        files = voiceFiles(toPath(programDir_ + "voice"));
    } catch (const std::exception&) {
        // A missing or unreadable folder holds no voices.
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    languages_.clear();
    files_.clear();
    for (const std::string& file : files) {
        const QString name = QString::fromStdString(file).chopped(3);
        const auto at = std::lower_bound(languages_.begin(), languages_.end(), name, collator);
        if (name.isEmpty() || (at != languages_.end() && collator.compare(*at, name) == 0))
            continue;
        files_.insert(name, QString::fromStdString(file));
        languages_.insert(at, name);
    }
    if (languages_.isEmpty()) languages_ << "[No language]";
}

QString VoiceCatalog::LoadLanguage(int index) {
    unload();
    const QString name = languages_.value(index);
    // The file the scan found, whatever the case of its suffix ("[No language]" has none).
    const QString file = files_.value(name, name + VoiceSuffix);
    library_ = libraries_.load((programDir_ + "voice/" + file).toStdString());
    if (!library_)
        return "Could not load " + name + ".so - time announcements will not be available.";
    speak_ = libraries_.findSpeak(library_);
    if (!speak_) return "Error in " + name + ".so - time announcements will not be available.";
    return {};
}

void VoiceCatalog::unload() {
    if (library_) libraries_.release(library_);
    library_ = nullptr;
    speak_ = nullptr;
}

} // namespace ql
