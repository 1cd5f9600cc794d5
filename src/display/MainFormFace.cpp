#include "app/MainForm.h"

#include "display/BackPanel.h"
#include "display/ClockData.h"
#include "display/PaintBox.h"

#include <initializer_list>

namespace ql {
namespace {

struct HourDigits {
    int tens;
    int ones;
};

// 12-hour clock: midnight and noon read 12, the afternoon 1 to 11.
HourDigits twelveHourDigits(int h) {
    if (h >= 13) return {(h - 12) / 10, (h - 12) % 10};
    if (h == 0) return {1, 2};
    return {h / 10, h % 10};
}

// A drawing failure (an image missing from its list) ends that group only: the clock keeps
// running and the other groups still draw.
template <typename Draw> void drawGuarded(Draw draw, std::initializer_list<TPaintBox*> boxes) {
    try {
        draw();
    } catch (...) {
    }
    for (TPaintBox* box : boxes)
        box->flush();
}

// Drawing waits while the window is hidden or the images are not loaded yet; the next show
// redraws everything from the current time.
bool canDraw(const TMainForm& form) {
    return form.ClockData && form.isVisible();
}

} // namespace

void TMainForm::setClockData(TClockData* data) {
    ClockData = data;
    static_cast<TBackPanel*>(BackPanel)->setImageList(data ? &data->MiscList : nullptr);
    if (data) FormPaint();
}

void TMainForm::FormPaint() {
    if (cfg().FSmallMode) {
        UpdateMiniTime();
        return;
    }
    UpdateHours();
    UpdateMinutes();
    UpdateSeconds();
    UpdateDate();
}

void TMainForm::Hour1PaintboxPaint() {
    if (isVisible() && !cfg().FSmallMode) FormPaint();
}

void TMainForm::MTPaintBoxPaint() {
    if (isVisible() && cfg().FSmallMode) UpdateMiniTime();
}

void TMainForm::UpdateHours() {
    if (!canDraw(*this)) return;
    drawGuarded([this] { drawHours(); },
                {Hour1Paintbox, Hour2Paintbox, APPaintBox, MiscPaintbox, ColPaintBox});
}

void TMainForm::UpdateMinutes() {
    if (!canDraw(*this)) return;
    drawGuarded([this] { drawMinutes(); }, {Min1Paintbox, Min2Paintbox});
}

void TMainForm::UpdateSeconds() {
    if (!canDraw(*this)) return;
    drawGuarded([this] { drawSeconds(); }, {Sec1PaintBox, Sec2PaintBox});
}

void TMainForm::UpdateDate() {
    if (!canDraw(*this)) return;
    drawGuarded([this] { drawDate(); }, {Date1Paintbox, Date2Paintbox, WeekdayPaintBox});
}

void TMainForm::UpdateMiniTime() {
    if (!canDraw(*this)) return;
    drawGuarded([this] { drawMiniTime(); }, {MTPaintBox});
}

void TMainForm::BlinkMiniColon() {
    if (ClockData)
        drawGuarded([this] { MTPaintBox->draw(ClockData->MiscList, FBlinkPhase ? 20 : 21, 37, 0); },
                    {MTPaintBox});
    FBlinkPhase = !FBlinkPhase;
}

void TMainForm::drawHours() {
    const ImageList& digits = ClockData->HrMinList;
    const ImageList& misc = ClockData->MiscList;
    const int h = CurHour;
    if (cfg().F24HourFormat) {
        APPaintBox->draw(misc, 13, 0, 0);
        APPaintBox->draw(misc, 13, 0, 15);
        // No leading zero: the background shows through the empty tens cell.
        if (h >= 10) {
            Hour1Paintbox->draw(digits, h / 10, 0, 0);
            Hour1Paintbox->setVisible(true);
        } else {
            Hour1Paintbox->setVisible(false);
        }
        Hour2Paintbox->draw(digits, h % 10, 0, 0);
    } else {
        const HourDigits d = twelveHourDigits(h);
        Hour1Paintbox->draw(digits, d.tens != 0 ? d.tens : 10, 0, 0);
        // The blank tens face must show even when 24-hour mode hid the box.
        Hour1Paintbox->setVisible(true);
        Hour2Paintbox->draw(digits, d.ones, 0, 0);
        // After the digits: the marks lie over the left part of the tens cell.
        APPaintBox->draw(misc, h <= 11 ? 7 : 14, 0, 0);
        APPaintBox->draw(misc, h <= 11 ? 14 : 8, 0, 15);
    }
    if (cfg().FAlarmOn) {
        MiscPaintbox->draw(misc, 10, 0, 6);
    } else {
        MiscPaintbox->draw(misc, 14, 0, 6);
        MiscPaintbox->draw(misc, 14, 6, 6);
    }
    if (cfg().FAnnounceOn) {
        MiscPaintbox->draw(misc, 9, 32, 2);
    } else {
        MiscPaintbox->draw(misc, 14, 32, 2);
        MiscPaintbox->draw(misc, 14, 32, 8);
    }
    ColPaintBox->draw(misc, 11, 0, 0);
    MiscPaintbox->draw(misc, 12, 115, 2);
}

void TMainForm::drawMinutes() {
    Min1Paintbox->draw(ClockData->HrMinList, CurMin / 10, 0, 0);
    Min2Paintbox->draw(ClockData->HrMinList, CurMin % 10, 0, 0);
}

void TMainForm::drawSeconds() {
    Sec1PaintBox->draw(ClockData->SecList, CurSec / 10, 0, 0);
    Sec2PaintBox->draw(ClockData->SecList, CurSec % 10, 0, 0);
}

void TMainForm::drawDate() {
    const ImageList& small = ClockData->MSList;
    const ImageList& misc = ClockData->MiscList;
    const int d = CurDay;
    const int w = CurDayOfWeek;
    Date1Paintbox->draw(small, d <= 9 ? 10 : d / 10, 0, 0);
    Date2Paintbox->draw(small, d % 10, 0, 0);
    // Erase yesterday's name (Saturday's before Sunday's), then draw today's.
    WeekdayPaintBox->draw(misc, 14, w == 1 ? 150 : (w - 2) * 25, 0);
    WeekdayPaintBox->draw(misc, w - 1, (w - 1) * 25, 0);
}

void TMainForm::drawMiniTime() {
    const ImageList& small = ClockData->MSList;
    const ImageList& misc = ClockData->MiscList;
    const int h = CurHour;
    if (cfg().F24HourFormat) {
        MTPaintBox->draw(misc, 19, 0, 0);
        MTPaintBox->draw(small, h >= 10 ? h / 10 : 10, 8, 0);
        MTPaintBox->draw(small, h % 10, 22, 0);
    } else {
        const HourDigits d = twelveHourDigits(h);
        MTPaintBox->draw(small, d.tens != 0 ? d.tens : 10, 8, 0);
        MTPaintBox->draw(small, d.ones, 22, 0);
        MTPaintBox->draw(misc, h <= 11 ? 17 : 18, 0, 0);
    }
    MTPaintBox->draw(small, CurMin / 10, 42, 0);
    MTPaintBox->draw(small, CurMin % 10, 56, 0);
}

} // namespace ql
