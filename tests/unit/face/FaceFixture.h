// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit/app/MainWindowFixture.h"

#include "face/ClockData.h"
#include "face/FaceView.h"

#include <QApplication>
#include <QImage>

#include <string>

namespace ql::testing {

// A main window on fakes with the face images loaded, driven tick by tick.
class FaceFixture : public MainWindowFixture {
  protected:
    static ClockData& images() {
        static ClockData instance;
        return instance;
    }

    // Creates the window in the given layout, as stored settings choose it, and shows it at
    // the current fake time.
    void createShown(bool small, bool windowless, bool hours24) {
        const std::string flags =
            std::string("00") + (hours24 ? "1" : "0") + "000" + (windowless ? "1" : "0") + "00000";
        storeCurrentSettings(flags.c_str(), small ? "60000001004040" : "60000000004040");
        create();
        app->setClockData(&images());
        tickAt(fakes.clock.time.hour, fakes.clock.time.minute, fakes.clock.time.second);
        settlePaint();
    }
    void setDate(int day, int dayOfWeek) { fakes.clock.setDate(day, dayOfWeek); }
    static void settlePaint() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // The face as the panel paints it, without the buttons, cut to the window's client area.
    QImage facePicture() const {
        QImage image(face()->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        face()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return image.copy(QRect(QPoint(0, 0), form->size()));
    }
};

} // namespace ql::testing
