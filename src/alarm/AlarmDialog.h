// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsRecord.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace ql {

class Dialogs;
class MoreOptionsGroup;
class UpDownButtons;

// The alarm and announcement dialog. It shows a copy of the settings and, on OK, gives back the
// copy with the user's changes; it validates the number fields as the user types.
class AlarmDialog : public QDialog {
    Q_OBJECT
  public:
    struct Actions {
        std::function<void(int sound, const QString& path)> preview; // plays at once
        std::function<void()> help;
    };
    AlarmDialog(QWidget* parent, const SettingsRecord& settings, Dialogs& dialogs, Actions actions);
    // The settings shown, with every valid field the user changed.
    SettingsRecord result() const;

    void FormShow();
    void AlarmCheckClick();
    void AnnCheckClick();
    void HourEditChange();
    void MinEditChange();
    void AnnEditChange();
    void MinEditExit();
    void MinUpDownClick();
    void AlarmSoundComboChange();
    void BrButtonClick();
    void PreviewButtonClick();
    void HelpButtonClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createAlarmGroup();
    void createAnnounceGroup();
    void createOptionsGroup();
    void createButtons();
    void connectHandlers();
    void orderTabs();
    void validate(QLineEdit* edit, long max);
    void refuse(QLineEdit* edit, const QString& message);
    QString chooseWaveFile(const QString& preset);

    void fill();

    QGroupBox* alarmGroup_ = nullptr;
    QCheckBox* alarmCheck_ = nullptr;
    QLineEdit* hourEdit_ = nullptr;
    UpDownButtons* hourUpDown_ = nullptr;
    QLineEdit* minuteEdit_ = nullptr;
    UpDownButtons* minuteUpDown_ = nullptr;
    QRadioButton* amRadio_ = nullptr;
    QRadioButton* pmRadio_ = nullptr;

    QGroupBox* announceGroup_ = nullptr;
    QCheckBox* announceCheck_ = nullptr;
    QLineEdit* announceEdit_ = nullptr;
    UpDownButtons* announceUpDown_ = nullptr;

    QGroupBox* optionsGroup_ = nullptr;
    QComboBox* soundCombo_ = nullptr;
    QToolButton* previewButton_ = nullptr;
    QLineEdit* repeatEdit_ = nullptr;
    UpDownButtons* repeatUpDown_ = nullptr;
    QLineEdit* waveFileEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QCheckBox* announceFirstCheck_ = nullptr;

    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    MoreOptionsGroup* moreGroup_ = nullptr;

    SettingsRecord settings_;
    Dialogs& dialogs_;
    Actions actions_;
    bool warningOpen_ = false; // a validation box is open
};

} // namespace ql
