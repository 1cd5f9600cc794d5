// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace ql::testing {

// Compares a picture with tests/golden/<name>.png, pixel for pixel. The goldens are made once,
// on purpose: with QL_WRITE_GOLDENS=1 in the environment this writes the picture there instead
// (and fails, so a writing run is never mistaken for a passing one); look at every written
// picture before committing it. A mismatch leaves the picture seen in golden-actual/ of the
// build tree, to be compared by eye.
inline ::testing::AssertionResult matchesGolden(const QImage& picture, const QString& name) {
    const QString golden = QStringLiteral(QL_GOLDEN_DIR "/%1.png").arg(name);
    const QImage seen = picture.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("QL_WRITE_GOLDENS")) {
        const bool written = seen.save(golden);
        return ::testing::AssertionFailure()
               << (written ? "wrote " : "could not write ") << golden.toStdString();
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    if (expected.isNull())
        return ::testing::AssertionFailure() << "no golden picture " << golden.toStdString();
    int differing = 0;
    if (expected.size() == seen.size()) {
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                differing += seen.pixel(x, y) != expected.pixel(x, y);
        if (differing == 0) return ::testing::AssertionSuccess();
    }
    QDir().mkpath(QStringLiteral(QL_GOLDEN_ACTUAL_DIR));
    const QString actual = QStringLiteral(QL_GOLDEN_ACTUAL_DIR "/%1.png").arg(name);
    seen.save(actual);
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << differing << " pixels differ (size " << seen.width()
           << "x" << seen.height() << " against " << expected.width() << "x" << expected.height()
           << "); seen: " << actual.toStdString();
}

} // namespace ql::testing
