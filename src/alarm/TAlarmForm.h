#pragma once

#include "settings/SettingsRecord.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace ql {

class TUpDown;

// The alarm and announcement dialog. It shows a copy of the settings and, on OK, gives back the
// copy with the user's changes; it validates the number fields as the user types.
class TAlarmForm : public QDialog {
    Q_OBJECT
  public:
    // Replaces the file-open dialog when set: gets the preset file name, returns the chosen
    // one or an empty string when the user cancelled.
    using FileDialogHook = std::function<QString(QWidget* parent, const QString& preset)>;
    static FileDialogHook FileDialog;

    struct Actions {
        std::function<void(int sound, const QString& path)> preview; // plays at once
        std::function<void()> help;
    };
    TAlarmForm(QWidget* parent, const SettingsRecord& settings, Actions actions);
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

    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* AlarmCheck = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* HourEdit = nullptr;
    TUpDown* HourUpDown = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MinEdit = nullptr;
    TUpDown* MinUpDown = nullptr;
    QRadioButton* AMRadio = nullptr;
    QRadioButton* PMRadio = nullptr;

    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* AnnCheck = nullptr;
    QLineEdit* AnnEdit = nullptr;
    TUpDown* AnnUpDown = nullptr;
    QLabel* Label3 = nullptr;

    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* AlarmSoundCombo = nullptr;
    QToolButton* PreviewButton = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* AlarmIntEdit = nullptr;
    TUpDown* AlmIntUpDown = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* WaveFileEdit = nullptr;
    QPushButton* BrButton = nullptr;
    QCheckBox* AlarmAnnCheck = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* BitBtn2 = nullptr;

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
    void validate(QLineEdit* edit, int max);
    void refuse(QLineEdit* edit, const QString& message);
    QString chooseWaveFile(const QString& preset);

    void fill();

    SettingsRecord settings_;
    Actions actions_;
    bool FWarning = false; // a validation box is open
};

} // namespace ql
