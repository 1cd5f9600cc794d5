// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmFixture.h"

#include "platform/linux/AlsaSoundPlayer.h"
#include "unit/platform/SoundTestSupport.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <sys/stat.h>

#include <condition_variable>
#include <mutex>

namespace ql {
namespace {

using Source = AlsaSoundPlayer::Source;

// The real player with a stand-in device: what it decided to play for each request.
class DecisionLog {
  public:
    AlsaSoundPlayer::Options options(const std::string& defaultSound) {
        AlsaSoundPlayer::Options o;
        o.defaultSoundPath = defaultSound;
        o.output = [](const AlsaPcmOutput::Request&) { return true; };
        o.observer = [this](Source s) {
            {
                std::lock_guard lock(mutex_);
                decisions_.push_back(s);
            }
            changed_.notify_all();
        };
        o.systemBell = [] {};
        return o;
    }
    // The n-th decision (from 0); Nothing when none came in a time only a hang exceeds.
    Source wait(std::size_t n) {
        std::unique_lock lock(mutex_);
        const bool came = changed_.wait_for(lock, std::chrono::seconds(20),
                                            [&] { return decisions_.size() > n; });
        return came ? decisions_[n] : Source::Nothing;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Source> decisions_;
};

class AlarmBadWaveTest : public AlarmFixture {
  protected:
    QTemporaryDir files;
    DecisionLog log;
    std::unique_ptr<AlsaSoundPlayer> player;

    void SetUp() override {
        AlarmFixture::SetUp();
        const QString bell = files.filePath("default bell.wav");
        ASSERT_FALSE(test::writeSine(bell, WaveEncoding::Pcm16).empty());
        player = std::make_unique<AlsaSoundPlayer>(log.options(bell.toStdString()));
        fakes.soundPlayer = player.get();
    }
    void TearDown() override {
        AlarmFixture::TearDown();
        player.reset();
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        EXPECT_TRUE(test::writeBytes(path, bytes)) << name.toStdString();
        return path;
    }
};

TEST_F(AlarmBadWaveTest, AnUnplayableFileSoundsTheDefaultAtEveryRepetition) {
    const QByteArray yipe = test::builtInSound("Yipe");
    ASSERT_GT(yipe.size(), 200);
    const QString fifo = files.filePath("pipe.wav");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = files.filePath("huge.wav");
    {
        QFile f(huge); // sparse: a gigabyte on paper, nothing on disk
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(yipe.left(44));
        ASSERT_TRUE(f.resize(qint64(1) << 30));
    }
    QDir(files.path()).mkdir("folder.wav");
    struct Row {
        const char* what;
        QString path;
        Source expected;
    } rows[] = {
        {"missing", files.filePath("no such.wav"), Source::DefaultSound},
        {"empty", file("empty.wav", {}), Source::DefaultSound},
        {"truncated", file("truncated.wav", yipe.left(60)), Source::DefaultSound},
        {"not audio", file("notes.wav", "These are not the sounds you are looking for.\n"),
         Source::DefaultSound},
        {"directory", files.filePath("folder.wav"), Source::DefaultSound},
        {"fifo", fifo, Source::DefaultSound},
        {"1 GB behind a cut header", huge, Source::DefaultSound},
        {"no name", "", Source::DefaultSound},
        {"spaces, quotes, non-ASCII", file("it's \"my\" Wecker ☎ 日本.wav", yipe), Source::File},
    };
    std::size_t decided = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        createWithAlarm(5, 1);
        editSettings([&](SettingsRecord& rec) { rec.AlarmWaveFile = r.path; });
        onAlert = [&](AlarmAlert& a) {
            a.FormActivate(); // returns at once whatever the file is
            EXPECT_EQ(log.wait(decided++), r.expected);
            a.AlarmTimerTimer();
            EXPECT_EQ(log.wait(decided++), r.expected);
            okButton(a)->click(); // still answers
            return a.result();
        };
        ringAlarm();
        EXPECT_TRUE(app->alarm().done());
    }
}

} // namespace
} // namespace ql
