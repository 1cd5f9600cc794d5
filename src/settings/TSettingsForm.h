#pragma once

#include <QDialog>
#include <QPalette>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace ql {

class TMainForm;

// The settings dialog. The main window fills it and reads it back (SetupButtonClick); the
// dialog itself only previews the transparency and tries the speech volume.
class TSettingsForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSettingsForm(TMainForm& main);

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

    TMainForm& Main;
};

} // namespace ql
