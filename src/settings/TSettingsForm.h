#pragma once

#include "settings/SettingsRecord.h"

#include <QDialog>
#include <QPalette>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace ql {

// The settings dialog. It shows a copy of the settings and, on OK, gives back the copy with the
// user's changes; meanwhile it previews the transparency and tries the speech volume through
// its actions, so Cancel leaves nothing behind but the preview its caller undoes.
class TSettingsForm : public QDialog {
    Q_OBJECT
  public:
    struct Actions {
        std::function<void(double opacity)> previewBlending;
        std::function<void(int volume)> tryVolume; // an announcement at this volume
        std::function<void()> help;
    };
    TSettingsForm(QWidget* parent, const SettingsRecord& settings, Actions actions);
    // The settings shown, with the user's changes.
    SettingsRecord result() const;

    void FormShow();
    void BlendCheckClick();
    void BlendTrackbarChange();
    void SpeechVolPreviewButtonClick();
    void VolumeTrackbarChange() {}
    void HelpButtonClick();

    QTabWidget* PageControl = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;

    QCheckBox* WindowlessCheck = nullptr;
    QCheckBox* EuroCheck = nullptr;
    QCheckBox* OnTopCheck = nullptr;
    QCheckBox* TransButtonsCheck = nullptr;
    QCheckBox* BlendCheck = nullptr;
    QSlider* BlendTrackbar = nullptr;
    QLabel* BlendLabel1 = nullptr;
    QLabel* BlendLabel2 = nullptr;

    QCheckBox* TrayCheck = nullptr;
    QCheckBox* AutoStartCheck = nullptr;
    QCheckBox* TaskBarCheck = nullptr;
    QCheckBox* GlobalShortcutCheck = nullptr;
    QLabel* Label1 = nullptr;

    QLabel* Label3 = nullptr;
    QSlider* VolumeTrackbar = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* SpeechVolPreviewButton = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* BitBtn2 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createPages();
    void createDisplayPage();
    void createProgramPage();
    void createSoundPage();
    void createButtons();
    void connectHandlers();
    void orderTabs();
    void colourBlendLabels(QPalette::ColorRole role);

    void fill();

    SettingsRecord settings_;
    Actions actions_;
};

} // namespace ql
