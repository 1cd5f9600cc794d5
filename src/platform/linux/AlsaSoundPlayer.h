// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"
#include "platform/linux/AlsaPcmOutput.h"
#include "platform/linux/WaveDecoder.h"
#include "platform/linux/WaveStream.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace ql {

// The sound player on ALSA "default". One playback thread opens, decodes and plays; the
// public calls only hand it a request, so they return at once whatever the file or device does.
class AlsaSoundPlayer : public SoundPlayer {
  public:
    // What a request ended up as; reported to the observer before the sound is played.
    enum class Source { Nothing, Memory, File, DefaultSound, SystemBell };

    struct Options {
        std::function<bool(const AlsaPcmOutput::Request&)> output = &AlsaPcmOutput::play;
        std::string defaultSoundPath = "/usr/share/sounds/freedesktop/stereo/bell.oga";
        std::function<void()> systemBell;     // empty: the X bell on the GUI thread
        std::function<void(Source)> observer; // called on the playback thread
        double (*gain)() = nullptr;           // the clock's own volume now; none: full level
    };

    AlsaSoundPlayer();
    explicit AlsaSoundPlayer(Options options);
    ~AlsaSoundPlayer() override;
    AlsaSoundPlayer(const AlsaSoundPlayer&) = delete;
    AlsaSoundPlayer& operator=(const AlsaSoundPlayer&) = delete;

    void playMemory(std::shared_ptr<const QByteArray> wave) override;
    void playMemoryAndWait(std::shared_ptr<const QByteArray> wave) override;
    void playFile(const std::string& path) override;
    void beep() override;
    void stop() override;

  private:
    enum class Kind { Memory, File, Beep };
    struct Job {
        Kind kind = Kind::Beep;
        std::shared_ptr<const QByteArray> wave;
        std::string path;
        std::function<void()> over; // once played, cut off or dropped; on any thread
    };

    void submit(Job job);
    void drop(std::optional<Job>& job);
    void run();
    void perform(const Job& job);
    bool playStream(std::unique_ptr<WaveStream> stream);
    void playDefaultSound();
    void play(Source source, const Pcm& pcm);
    void report(Source source);
    double gainNow() const;

    Options options_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> pending_;
    bool quit_ = false;
    std::atomic<bool> stop_{false};
    std::optional<Pcm> defaultSound_; // decoded once, on the playback thread
    bool defaultSoundTried_ = false;
    std::thread thread_;
};

} // namespace ql
