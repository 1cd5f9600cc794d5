// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ql {
namespace {

using FileSystem::MoveResult;

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// A move never replaces what is already there and never loses the source on failure.
TEST(FileSystemTest, MoveNoReplace) {
    struct Row {
        const char* what;
        bool targetExists, targetFolderExists;
        MoveResult result;
        QByteArray sourceAfter, targetAfter;
    } rows[] = {
        {"free target", false, true, MoveResult::Moved, "<missing>", "source"},
        {"target exists", true, true, MoveResult::TargetExists, "source", "target"},
        {"target folder missing", false, false, MoveResult::Failed, "source", "<missing>"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        QTemporaryDir dir;
        const QString from = dir.path() + "/ABCDE.SO", to = dir.path() + "/voice/Long (name).so";
        write(from, "source");
        if (r.targetFolderExists) QDir(dir.path()).mkdir("voice");
        if (r.targetExists) write(to, "target");
        EXPECT_EQ(FileSystem::moveNoReplace(from.toStdString(), to.toStdString()), r.result);
        EXPECT_EQ(read(from), r.sourceAfter);
        EXPECT_EQ(read(to), r.targetAfter);
    }
}

TEST(FileSystemTest, MissingSourceFailsWithoutTouchingTheTarget) {
    QTemporaryDir dir;
    write(dir.path() + "/to", "target");
    EXPECT_EQ(FileSystem::moveNoReplace((dir.path() + "/from").toStdString(),
                                        (dir.path() + "/to").toStdString()),
              MoveResult::Failed);
    EXPECT_EQ(read(dir.path() + "/to"), "target");
}

} // namespace
} // namespace ql
