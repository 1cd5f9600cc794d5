// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/StartupPages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace ql {
namespace {

TEST(StartupPages, OnlyUnwrittenPrivateFileMappingsAreDropped) {
    struct {
        const char* header;
        long anonymousKb, swapKb;
        bool droppable;
    } const rows[] = {
        {"7f1d47a00000-7f1d47b80000 r-xp 00028000 08:01 1835 /usr/lib/x86_64-linux-gnu/libc.so.6",
         0, 0, true},
        {"7f1d47b80000-7f1d47bd5000 r--p 001a8000 08:01 1835 /usr/lib/x86_64-linux-gnu/libc.so.6",
         0, 0, true},
        // Relocated at load, then made read-only: those pages exist nowhere else.
        {"7f1d47bd5000-7f1d47bd9000 r--p 001fc000 08:01 1835 /usr/lib/x86_64-linux-gnu/libc.so.6",
         16, 0, false},
        {"7f1d47bd5000-7f1d47bd9000 r--p 001fc000 08:01 1835 /usr/lib/x86_64-linux-gnu/libc.so.6",
         0, 8, false},
        {"7f1d47bd9000-7f1d47bdb000 rw-p 00200000 08:01 1835 /usr/lib/x86_64-linux-gnu/libc.so.6",
         0, 0, false},
        {"7f1d40000000-7f1d40021000 rw-p 00000000 00:00 0", 0, 0, false},
        {"7f1d47c00000-7f1d47c08000 r--s 00000000 08:01 9120 /var/cache/fontconfig/a.cache-8", 0, 0,
         false},
        {"7ffd1e9f2000-7ffd1e9f4000 r-xp 00000000 00:00 0                          [vdso]", 0, 0,
         false},
        {"7f1d47e00000-7f1d47e10000 r-xp 00000000 08:01 4410 /work/build/voice/English (Annie).so",
         0, 0, true},
        {"garbage", 0, 0, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(StartupPages::droppable(r.header, r.anonymousKb, r.swapKb), r.droppable)
            << r.header;
}

long statusKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ')[0].toLong();
    return -1;
}

QImage drawing() {
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::blue);
    p.drawEllipse(8, 8, 40, 30);
    p.drawText(image.rect(), Qt::AlignCenter, "12:34");
    return image;
}

// The pages come back from the files unchanged: the libraries still draw the same picture.
TEST(StartupPages, DroppedPagesComeBackUnchanged) {
    const QImage before = drawing();
    const long fileKb = statusKb("RssFile:");
    const long dropped = StartupPages::release();
    EXPECT_GT(dropped, 1000);
    EXPECT_LT(statusKb("RssFile:"), fileKb - 1000);
    EXPECT_EQ(drawing(), before);
}

} // namespace
} // namespace ql
