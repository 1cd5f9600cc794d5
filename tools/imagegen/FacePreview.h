// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <vector>

namespace ql::imagegen {

struct FaceState {
    int hour = 0;      // 0-23
    int minute = 0;    // 0-59
    int second = 0;    // 0-59
    int dayOfWeek = 1; // 1 = Sunday ... 7 = Saturday
    int day = 1;       // 1-31
    bool h24 = false;
    bool small = false;
    bool alarmOn = true;
    bool announceOn = true;
};

// Composes a face from the written PNGs the way the clock draws it: the background, then each
// image in its paint box, clipped to that box, in the clock's drawing order.
class FacePreview {
  public:
    // Loads <assetsDir>/images/<List>/<i>.png, or the pictures drawn for a scale of 1.5 or 2
    // (<i>@1.5x.png, <i>@2x.png); false with a message if an image is missing.
    bool load(const QString& assetsDir, double scale, QString* error);
    QImage compose(const FaceState& state) const;

  private:
    using List = std::vector<QImage>;
    void draw(QImage& canvas, const List& list, int index, QRect box, int x, int y) const;
    void updateHours(QImage& canvas, const FaceState& s) const;
    void updateMinutes(QImage& canvas, const FaceState& s) const;
    void updateSeconds(QImage& canvas, const FaceState& s) const;
    void updateDate(QImage& canvas, const FaceState& s) const;
    void updateMiniTime(QImage& canvas, const FaceState& s) const;

    std::map<QString, List> lists_;
};

} // namespace ql::imagegen
