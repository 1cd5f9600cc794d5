// SPDX-License-Identifier: GPL-3.0-or-later
#include "FacePreview.h"

#include <QPainter>

namespace ql::imagegen {

namespace {

const QRect kHour1(21, 36, 31, 47), kHour2(50, 36, 31, 47), kColon(81, 43, 9, 33);
const QRect kMin1(92, 36, 31, 47), kMin2(121, 36, 31, 47);
const QRect kSec1(153, 50, 22, 33), kSec2(173, 50, 22, 33);
const QRect kDate1(166, 16, 14, 21), kDate2(180, 16, 14, 21);
const QRect kAmPm(18, 46, 22, 33), kMisc(22, 14, 141, 21), kWeekday(21, 82, 174, 14);
const QRect kMiniTime(9, 10, 80, 21);

// Tens and ones of the hour as a 12-hour clock shows them; tens 0 means a blank.
std::pair<int, int> twelveHour(int h) {
    if (h == 0) return {1, 2};
    if (h >= 13) return {(h - 12) / 10, (h - 12) % 10};
    return {h / 10, h % 10};
}

} // namespace

bool FacePreview::load(const QString& assetsDir, double scale, QString* error) {
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    const std::pair<const char*, int> names[] = {
        {"HrMinList", 11}, {"SecList", 11}, {"MSList", 11}, {"MiscList", 22}};
    for (const auto& [name, count] : names) {
        List& list = lists_[name];
        for (int i = 0; i < count; ++i) {
            const QString path =
                QStringLiteral("%1/images/%2/%3%4.png").arg(assetsDir, name).arg(i).arg(suffix);
            QImage image(path);
            if (image.isNull()) {
                *error = QStringLiteral("cannot read %1").arg(path);
                return false;
            }
            image.setDevicePixelRatio(scale);
            list.push_back(image);
        }
    }
    return true;
}

void FacePreview::draw(QImage& canvas, const List& list, int index, QRect box, int x, int y) const {
    QPainter painter(&canvas);
    painter.setClipRect(box);
    painter.drawImage(box.topLeft() + QPoint(x, y), list.at(index));
}

void FacePreview::updateHours(QImage& canvas, const FaceState& s) const {
    const List& hm = lists_.at("HrMinList");
    const List& misc = lists_.at("MiscList");
    if (s.h24) {
        draw(canvas, misc, 13, kAmPm, 0, 0);
        draw(canvas, misc, 13, kAmPm, 0, 15);
        if (s.hour >= 10) draw(canvas, hm, s.hour / 10, kHour1, 0, 0);
        draw(canvas, hm, s.hour % 10, kHour2, 0, 0);
    } else {
        const auto [tens, ones] = twelveHour(s.hour);
        draw(canvas, hm, tens != 0 ? tens : 10, kHour1, 0, 0);
        draw(canvas, hm, ones, kHour2, 0, 0);
        draw(canvas, misc, s.hour <= 11 ? 7 : 14, kAmPm, 0, 0);
        draw(canvas, misc, s.hour <= 11 ? 14 : 8, kAmPm, 0, 15);
    }
    if (s.alarmOn) {
        draw(canvas, misc, 10, kMisc, 0, 6);
    } else {
        draw(canvas, misc, 14, kMisc, 0, 6);
        draw(canvas, misc, 14, kMisc, 6, 6);
    }
    if (s.announceOn) {
        draw(canvas, misc, 9, kMisc, 32, 2);
    } else {
        draw(canvas, misc, 14, kMisc, 32, 2);
        draw(canvas, misc, 14, kMisc, 32, 8);
    }
    draw(canvas, misc, 11, kColon, 0, 0);
    draw(canvas, misc, 12, kMisc, 115, 2);
}

void FacePreview::updateMinutes(QImage& canvas, const FaceState& s) const {
    draw(canvas, lists_.at("HrMinList"), s.minute / 10, kMin1, 0, 0);
    draw(canvas, lists_.at("HrMinList"), s.minute % 10, kMin2, 0, 0);
}

void FacePreview::updateSeconds(QImage& canvas, const FaceState& s) const {
    draw(canvas, lists_.at("SecList"), s.second / 10, kSec1, 0, 0);
    draw(canvas, lists_.at("SecList"), s.second % 10, kSec2, 0, 0);
}

void FacePreview::updateDate(QImage& canvas, const FaceState& s) const {
    const List& ms = lists_.at("MSList");
    draw(canvas, ms, s.day <= 9 ? 10 : s.day / 10, kDate1, 0, 0);
    draw(canvas, ms, s.day % 10, kDate2, 0, 0);
    const int w = s.dayOfWeek;
    draw(canvas, lists_.at("MiscList"), 14, kWeekday, w == 1 ? 150 : (w - 2) * 25, 0);
    draw(canvas, lists_.at("MiscList"), w - 1, kWeekday, (w - 1) * 25, 0);
}

void FacePreview::updateMiniTime(QImage& canvas, const FaceState& s) const {
    const List& ms = lists_.at("MSList");
    const List& misc = lists_.at("MiscList");
    if (s.h24) {
        draw(canvas, misc, 19, kMiniTime, 0, 0);
        draw(canvas, ms, s.hour >= 10 ? s.hour / 10 : 10, kMiniTime, 8, 0);
        draw(canvas, ms, s.hour % 10, kMiniTime, 22, 0);
    } else {
        const auto [tens, ones] = twelveHour(s.hour);
        draw(canvas, ms, tens != 0 ? tens : 10, kMiniTime, 8, 0);
        draw(canvas, ms, ones, kMiniTime, 22, 0);
        draw(canvas, misc, s.hour <= 11 ? 17 : 18, kMiniTime, 0, 0);
    }
    draw(canvas, ms, s.minute / 10, kMiniTime, 42, 0);
    draw(canvas, ms, s.minute % 10, kMiniTime, 56, 0);
}

QImage FacePreview::compose(const FaceState& s) const {
    const QImage& background = lists_.at("MiscList").at(s.small ? 16 : 15);
    QImage canvas = background.convertToFormat(QImage::Format_RGB32);
    canvas.setDevicePixelRatio(background.devicePixelRatio());
    if (s.small) {
        updateMiniTime(canvas, s);
        // The first colon blink after a redraw lights it.
        draw(canvas, lists_.at("MiscList"), 20, kMiniTime, 37, 0);
        return canvas;
    }
    updateHours(canvas, s);
    updateMinutes(canvas, s);
    updateSeconds(canvas, s);
    updateDate(canvas, s);
    return canvas;
}

} // namespace ql::imagegen
