#pragma once

#include "unit/app/MainFormFixture.h"

#include "display/ClockData.h"
#include "display/PaintBox.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <map>
#include <string>

namespace ql::testing {

// Where each paint box lies on the background panel, as the face layout places it.
struct BoxPlace {
    const char* name;
    QRect rect;
};

inline const BoxPlace kBigBoxes[] = {
    {"Hour1Paintbox", {21, 36, 31, 47}},  {"Hour2Paintbox", {50, 36, 31, 47}},
    {"APPaintBox", {18, 46, 22, 33}},     {"MiscPaintbox", {22, 14, 141, 21}},
    {"ColPaintBox", {81, 43, 9, 33}},     {"Min1Paintbox", {92, 36, 31, 47}},
    {"Min2Paintbox", {121, 36, 31, 47}},  {"Sec1PaintBox", {153, 50, 22, 33}},
    {"Sec2PaintBox", {173, 50, 22, 33}},  {"Date1Paintbox", {166, 16, 14, 21}},
    {"Date2Paintbox", {180, 16, 14, 21}}, {"WeekdayPaintBox", {21, 82, 174, 14}},
};
inline const QRect kMiniTime{9, 10, 80, 21};

// The expected picture of the panel, composed straight from the image lists: a background
// item, then list items drawn into boxes, each clipped to its box.
class FacePicture {
  public:
    FacePicture(const TClockData& data, int background)
        : data_(data), image_(292, 130, QImage::Format_RGB32) {
        image_.fill(Qt::magenta);
        QPainter p(&image_);
        data.MiscList.draw(p, background, 0, 0);
    }
    FacePicture& draw(QRect box, const ImageList& list, int index, int x, int y) {
        QPainter p(&image_);
        p.setClipRect(box);
        list.draw(p, index, box.x() + x, box.y() + y);
        return *this;
    }
    const QImage& image() const { return image_; }
    const TClockData& data() const { return data_; }

  private:
    const TClockData& data_;
    QImage image_;
};

// A main window on fakes with the face images loaded, driven tick by tick.
class FaceFixture : public MainFormFixture {
  protected:
    static TClockData& images() {
        static TClockData instance;
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
    TPaintBox* box(const char* name) const { return form->findChild<TPaintBox*>(name); }
    // The window's client area as the window system would show it (the shape ignored).
    QImage screen() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// Rows of pixels that differ inside area, or 0 when the two pictures agree there.
inline int differingPixels(const QImage& a, const QImage& b, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace ql::testing
