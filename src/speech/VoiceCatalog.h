// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LibraryLoader.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace ql {

// The voice folder beside the program: its creation, the move of an earlier installation's
// voices into it, the sorted list of languages and the one voice loaded at a time.
class VoiceCatalog {
  public:
    VoiceCatalog(LibraryLoader& libraries, QString programDir);
    ~VoiceCatalog();
    VoiceCatalog(const VoiceCatalog&) = delete;
    VoiceCatalog& operator=(const VoiceCatalog&) = delete;

    // False when the folder had to be created and that, or the migration, failed.
    bool PrepareVoiceFolder(bool upgraded);
    void MigrateLegacyVoices();
    void ScanVoiceFolder();
    // Never empty: "[No language]" stands in when the folder holds no voice.
    const QStringList& languages() const { return languages_; }
    // Replaces the loaded voice; returns the message for the user, empty when it can speak.
    QString LoadLanguage(int index);
    SpeakProc speakProc() const { return speak_; }
    void unload();

  private:
    bool createFolder();

    LibraryLoader& libraries_;
    QString programDir_; // with a trailing '/'
    QStringList languages_;
    QHash<QString, QString> files_; // language -> its file name in the voice folder
    LibraryLoader::Handle library_ = nullptr;
    SpeakProc speak_ = nullptr;
};

} // namespace ql
