#include "app/MainForm.h"

namespace ql {

// The digit faces are drawn from the image lists; until those are loaded only the layout
// bookkeeping below runs.
void TMainForm::FormPaint() {
    if (FSmallMode) {
        UpdateMiniTime();
        return;
    }
    UpdateHours();
    UpdateMinutes();
    UpdateSeconds();
    UpdateDate();
}

void TMainForm::UpdateHours() {}
void TMainForm::UpdateMinutes() {}
void TMainForm::UpdateSeconds() {}
void TMainForm::UpdateDate() {}
void TMainForm::UpdateMiniTime() {}

void TMainForm::BlinkMiniColon() { FBlinkPhase = !FBlinkPhase; }

void TMainForm::ChangeMode() {
    setWindowFlag(Qt::FramelessWindowHint, FWindowless);
    setWindowTitle(FSmallMode ? "Quorlan" : "Multilingual Quorlan");
    setFixedSize(FSmallMode ? QSize(150, 40) : QSize(292, FWindowless ? 130 : 130));
    FormPaint();
}

void TMainForm::ChangeButtonMode() {}

void TMainForm::MI_smallClick() {
    if (FSmallMode) return;
    FSmallMode = true;
    MI_small->setChecked(true);
    ChangeMode();
}

void TMainForm::MI_bigClick() {
    if (!FSmallMode) return;
    FSmallMode = false;
    MI_big->setChecked(true);
    ChangeMode();
}

} // namespace ql
