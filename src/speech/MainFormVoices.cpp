#include "app/MainForm.h"

#include "common/Modal.h"

#include <QActionGroup>
#include <QCollator>
#include <QDir>
#include <QMenu>
#include <QToolButton>

namespace ql {

void TMainForm::PrepareVoiceFolder() {
    QDir program(ProgramDir);
    if (!program.exists("voice")) {
        if (!program.mkdir("voice")) {
            showMessage(this, MessageKind::Error, "Error",
                        "Fatal error: Could not create \"voice\" folder");
            return;
        }
        MigrateLegacyVoices();
    } else if (FUpgraded) {
        MigrateLegacyVoices();
    }
}

void TMainForm::MigrateLegacyVoices() {
    // The earlier version's voices and their list file; the voices arrive with the speech work.
    QFile::remove(ProgramDir + "LANG.DAT");
}

void TMainForm::ScanVoiceFolder() {
    LanguageList.clear();
    const QDir voice(ProgramDir + "voice");
    QStringList names;
    for (const QString& file : voice.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!file.endsWith(".so", Qt::CaseInsensitive)) continue;
        const QString name = file.left(file.size() - 3);
        const bool present = std::any_of(names.begin(), names.end(), [&](const QString& n) {
            return n.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!present) names << name;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    LanguageList = names.isEmpty() ? QStringList{"[No language]"} : names;
}

void TMainForm::BuildLanguageMenus() {
    auto* ownGroup = new QActionGroup(LangMenu);
    auto* popupGroup = new QActionGroup(SelectLanguageMenu);
    for (int i = 0; i < LanguageList.size(); ++i) {
        for (auto [menu, group] : {std::pair{LangMenu, ownGroup}, std::pair{SelectLanguageMenu, popupGroup}}) {
            QAction* item = menu->addAction(LanguageList[i]);
            item->setObjectName(QString("MI_%1").arg(i));
            item->setCheckable(true);
            group->addAction(item);
        }
    }
    if (SelectedLanguage < 0 || SelectedLanguage > LanguageList.size() - 1) SelectedLanguage = 0;
    LangMenu->actions().at(SelectedLanguage)->setChecked(true);
    SelectLanguageMenu->actions().at(SelectedLanguage)->setChecked(true);
}

void TMainForm::LoadLanguage() {
    if (VoiceLibrary) P.libraries.release(VoiceLibrary);
    VoiceLibrary = nullptr;
    FSpeakProc = nullptr;
    const QString name = LanguageList.value(SelectedLanguage);
    VoiceLibrary = P.libraries.load((ProgramDir + "voice/" + name + ".so").toStdString());
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
    AnnounceButton->setEnabled(true);
    LangSelButton->setEnabled(true);
    MI_Speak->setEnabled(true);
    MI_Selectlanguage->setEnabled(true);
}

void TMainForm::DisableSpeech() {
    AnnounceButton->setEnabled(false);
    LangSelButton->setEnabled(false);
    MI_Speak->setEnabled(false);
    MI_Selectlanguage->setEnabled(false);
}

} // namespace ql
