// SPDX-License-Identifier: GPL-3.0-or-later
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
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    struct Actions {
        std::function<void(double opacity)> previewBlending;
        std::function<void(int volume)> tryVolume; // an announcement at this volume
        std::function<void()> help;
    };
    SettingsDialog(QWidget* parent, const SettingsRecord& settings, Actions actions);
    // The settings shown, with the user's changes.
    SettingsRecord result() const;

    void FormShow();
    void BlendCheckClick();
    void BlendTrackbarChange();
    void SpeechVolPreviewButtonClick();
    void VolumeTrackbarChange() {}
    void HelpButtonClick();

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
    double opacity() const;
    void colourBlendLabels(QPalette::ColorRole role);

    void fill();

    QTabWidget* pages_ = nullptr;

    QCheckBox* windowlessCheck_ = nullptr;
    QCheckBox* hour24Check_ = nullptr;
    QCheckBox* onTopCheck_ = nullptr;
    QCheckBox* flatButtonsCheck_ = nullptr;
    QCheckBox* blendCheck_ = nullptr;
    QSlider* blendSlider_ = nullptr;
    QLabel* blendLowLabel_ = nullptr;
    QLabel* blendHighLabel_ = nullptr;

    QCheckBox* startInTrayCheck_ = nullptr;
    QCheckBox* autoStartCheck_ = nullptr;
    QCheckBox* taskbarCheck_ = nullptr;
    QCheckBox* hotKeyCheck_ = nullptr;

    QSlider* volumeSlider_ = nullptr;
    QPushButton* volumeTryButton_ = nullptr;

    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    SettingsRecord settings_;
    Actions actions_;
};

} // namespace ql
