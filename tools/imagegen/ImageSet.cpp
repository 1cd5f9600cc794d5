// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSet.h"

#include "Backgrounds.h"
#include "Canvas.h"
#include "ClockFaceIcon.h"
#include "SegmentDigit.h"
#include "Symbols.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace ql::imagegen {

namespace {

// Like a liquid-crystal cell, every segment is there: the unlit ones faintly, so a blank cell
// (an unlit 8) reads as part of the display.
NamedList digitList(const QString& name, QSize cell, const DigitStyle& style) {
    NamedList list{name, {}};
    for (int d = 0; d < 10; ++d) {
        const unsigned lit = digitSegments(d);
        list.items.push_back(segmentDigit(cell, style, lit, kAllSegments & ~lit));
    }
    list.items.push_back(segmentDigit(cell, style, 0, kAllSegments));
    return list;
}

// The hour's tens cell of a 12-hour face shows only a 1 or the blank, and the AM/PM marks and
// their plain blank are drawn over its left part: a ghost 8 there would be cut in half. So the
// 1 and the blank carry nothing left of the 1's bars, and the blank is an unlit 1, like the
// half digit a 12-hour liquid-crystal clock has in that place.
NamedList hourMinuteList() {
    NamedList list = digitList("HrMinList", {31, 47}, hourMinuteStyle());
    list.items[1] = segmentDigit({31, 47}, hourMinuteStyle(), kRightBars, 0);
    list.items[10] = segmentDigit({31, 47}, hourMinuteStyle(), 0, kRightBars);
    return list;
}

NamedList miscList() {
    NamedList list{"MiscList", {}};
    auto& items = list.items;
    const struct {
        const char* name;
        int width;
    } days[] = {{"SUN", 26}, {"MON", 26}, {"TUE", 23}, {"WED", 26},
                {"THU", 24}, {"FRI", 20}, {"SAT", 23}};
    // Weekday slots are 25 pixels apart; centring on the slot spaces the names evenly.
    for (const auto& day : days)
        items.push_back(label({day.width, 13}, day.name, 2, 25));
    // AM and PM keep to the left, clear of the hour tens figure 1 beside them.
    items.push_back(label({19, 11}, "AM", 2, 17));
    items.push_back(label({19, 11}, "PM", 2, 17));
    items.push_back(loudspeaker());
    items.push_back(alarmIndicator());
    items.push_back(bigColon());
    // The face clips the label's last column, so the word ends one column early.
    items.push_back(label({27, 11}, "DATE", 1, 26));
    items.push_back(blank({26, 24}));
    items.push_back(blank({26, 13}));
    items.push_back(bigBackground());
    items.push_back(smallBackground());
    items.push_back(smallMark('A'));
    items.push_back(smallMark('P'));
    items.push_back(blank({7, 19}));
    items.push_back(smallColon());
    items.push_back(blank({4, 21}));
    return list;
}

bool save(const QImage& image, const QString& path, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool writeQrc(const QString& path, const QStringList& files, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    for (const QString& f : files)
        out << "    <file alias=\"" << f << "\">images/" << f << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

} // namespace

std::vector<NamedList> buildImageSet() {
    return {hourMinuteList(), digitList("SecList", {22, 33}, secondStyle()),
            digitList("MSList", {14, 21}, smallStyle()), miscList()};
}

bool writeImageSet(const QString& assetsDir, QString* error) {
    QStringList files;
    // Plain desktops, and those scaled by 150 % and 200 %.
    const struct {
        double scale;
        const char* suffix;
    } densities[] = {{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}};
    for (const auto& density : densities) {
        setRenderScale(density.scale);
        for (const NamedList& list : buildImageSet())
            for (size_t i = 0; i < list.items.size(); ++i) {
                const QString file =
                    QStringLiteral("%1/%2%3.png").arg(list.name).arg(i).arg(density.suffix);
                if (!save(list.items[i], assetsDir + "/images/" + file, error)) return false;
                files << file;
            }
    }
    setRenderScale(1.0);
    if (!save(clockFaceIcon(), assetsDir + "/images/ClockFace.png", error)) return false;
    files << QStringLiteral("ClockFace.png");
    return writeQrc(assetsDir + "/images.qrc", files, error);
}

} // namespace ql::imagegen
