// SPDX-License-Identifier: GPL-3.0-or-later
// ql-imagegen: draws the clock's face images, or previews a composed face.
//
//   ql-imagegen ASSETS_DIR
//   ql-imagegen --preview HH:MM:SS WEEKDAY DAY 12|24 big|small OUT.png [ASSETS_DIR [SCALE]]
//   ql-imagegen --app-icon OUT_DIR
//
// WEEKDAY is 1-7 (1 = Sunday) or SUN..SAT. A preview is also written three times larger
// beside OUT.png, as OUT-3x.png; SCALE 1.5 or 2 composes the pictures drawn for that density. The
// application icon is written as OUT_DIR/<id>.svg and OUT_DIR/<size>.png.
#include "AppIcon.h"
#include "FacePreview.h"
#include "ImageSet.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTime>
#include <cstdio>

namespace {

using namespace ql::imagegen;

int fail(const QString& message) {
    std::fprintf(stderr, "ql-imagegen: %s\n", qPrintable(message));
    return 1;
}

int weekdayNumber(const QString& text) {
    const QStringList names = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    const int byName = int(names.indexOf(text.toUpper()));
    if (byName >= 0) return byName + 1;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 7 ? n : 0;
}

bool parseState(const QStringList& a, FaceState* s, QString* error) {
    const QTime t = QTime::fromString(a[0], "HH:mm:ss");
    bool dayOk = false;
    s->dayOfWeek = weekdayNumber(a[1]);
    s->day = a[2].toInt(&dayOk);
    if (!t.isValid())
        *error = "time must be HH:MM:SS";
    else if (s->dayOfWeek == 0)
        *error = "weekday must be 1-7 or SUN..SAT";
    else if (!dayOk || s->day < 1 || s->day > 31)
        *error = "day must be 1-31";
    else if (a[3] != "12" && a[3] != "24")
        *error = "clock must be 12 or 24";
    else if (a[4] != "big" && a[4] != "small")
        *error = "layout must be big or small";
    if (!error->isEmpty()) return false;
    s->hour = t.hour();
    s->minute = t.minute();
    s->second = t.second();
    s->h24 = a[3] == "24";
    s->small = a[4] == "small";
    return true;
}

QString enlargedName(QString path) {
    const int dot = int(path.lastIndexOf('.'));
    return dot > 0 ? path.insert(dot, "-3x") : path + "-3x";
}

int preview(const QStringList& a) {
    if (a.size() < 6) return fail("--preview needs HH:MM:SS WEEKDAY DAY 12|24 big|small OUT");
    FaceState state;
    QString error;
    if (!parseState(a, &state, &error)) return fail(error);
    const double scale = a.size() > 7 ? a[7].toDouble() : 1.0;
    if (scale != 1.0 && scale != 1.5 && scale != 2.0) return fail("scale must be 1, 1.5 or 2");
    FacePreview face;
    if (!face.load(a.size() > 6 ? a[6] : QStringLiteral("assets"), scale, &error))
        return fail(error);
    const QImage image = face.compose(state);
    const QImage big =
        image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(a[5]) || !big.save(enlargedName(a[5])))
        return fail(QStringLiteral("cannot write %1").arg(a[5]));
    return 0;
}

int appIcon(const QStringList& a) {
    if (a.size() != 1) return fail("--app-icon needs OUT_DIR");
    QFile svg(a[0] + "/org.vessantry.QuorlanLite.svg");
    if (!svg.open(QIODevice::WriteOnly) || svg.write(AppIcon::svg().toUtf8()) < 0)
        return fail(QStringLiteral("cannot write %1").arg(svg.fileName()));
    for (int size : AppIcon::kSizes) {
        const QString png = QStringLiteral("%1/%2.png").arg(a[0]).arg(size);
        if (!AppIcon::image(size).save(png))
            return fail(QStringLiteral("cannot write %1").arg(png));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.front() == "--preview") return preview(args.mid(1));
    if (!args.isEmpty() && args.front() == "--app-icon") return appIcon(args.mid(1));
    if (args.size() != 1 || args.front().startsWith('-'))
        return fail("usage: ql-imagegen ASSETS_DIR | --preview HH:MM:SS WEEKDAY DAY 12|24 "
                    "big|small OUT.png [ASSETS_DIR [SCALE]] | --app-icon OUT_DIR");
    QString error;
    if (!writeImageSet(args.front(), &error)) return fail(error);
    return 0;
}
