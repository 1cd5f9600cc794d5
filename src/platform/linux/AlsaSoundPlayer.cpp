// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/AlsaSoundPlayer.h"

#include <QApplication>

#include <algorithm>
#include <future>
#include <utility>

namespace ql {
namespace {

constexpr std::size_t StreamChunk = 4096; // frames decoded ahead of the device

// QApplication::beep() must run on the GUI thread; the playback thread only asks for it.
void ringXBell() {
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

} // namespace

AlsaSoundPlayer::AlsaSoundPlayer() : AlsaSoundPlayer(Options{}) {}

AlsaSoundPlayer::AlsaSoundPlayer(Options options) : options_(std::move(options)) {
    if (!options_.systemBell) options_.systemBell = ringXBell;
    thread_ = std::thread([this] { run(); });
}

AlsaSoundPlayer::~AlsaSoundPlayer() {
    std::optional<Job> dropped;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        dropped = std::exchange(pending_, std::nullopt);
        stop_ = true;
    }
    wake_.notify_one();
    drop(dropped);
    thread_.join();
}

void AlsaSoundPlayer::playMemory(std::shared_ptr<const QByteArray> wave) {
    submit({Kind::Memory, std::move(wave), {}, {}});
}

void AlsaSoundPlayer::playMemoryAndWait(std::shared_ptr<const QByteArray> wave) {
    std::promise<void> over;
    submit({Kind::Memory, std::move(wave), {}, [&over] { over.set_value(); }});
    over.get_future().wait();
}

void AlsaSoundPlayer::playFile(const std::string& path) {
    submit({Kind::File, nullptr, path, {}});
}

void AlsaSoundPlayer::beep() {
    submit({Kind::Beep, nullptr, {}, {}});
}

void AlsaSoundPlayer::stop() {
    std::optional<Job> dropped;
    {
        std::lock_guard lock(mutex_);
        dropped = std::exchange(pending_, std::nullopt);
        stop_ = true;
    }
    drop(dropped);
}

// A newer request replaces one not yet started and cuts off the one playing.
void AlsaSoundPlayer::submit(Job job) {
    std::optional<Job> dropped;
    {
        std::lock_guard lock(mutex_);
        dropped = std::exchange(pending_, std::move(job));
        stop_ = true;
    }
    wake_.notify_one();
    drop(dropped);
}

// Outside the lock: whoever waits on the job may submit the next one at once.
void AlsaSoundPlayer::drop(std::optional<Job>& job) {
    if (job && job->over) job->over();
}

void AlsaSoundPlayer::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_; });
            if (quit_) return;
            job = std::move(*pending_);
            pending_.reset();
            stop_ = false; // under the lock, so a request made from now on stops this one
        }
        perform(job);
        if (job.over) job.over();
    }
}

void AlsaSoundPlayer::perform(const Job& job) {
    switch (job.kind) {
    case Kind::Memory: {
        // No fallback: a wave that cannot be decoded stays silent.
        const auto pcm = job.wave ? WaveDecoder::fromMemory(*job.wave, &stop_) : std::nullopt;
        if (pcm)
            play(Source::Memory, *pcm);
        else
            report(Source::Nothing);
        return;
    }
    case Kind::File:
        if (playStream(WaveStream::openFile(job.path))) return;
        if (!stop_)
            playDefaultSound();
        else
            report(Source::Nothing);
        return;
    case Kind::Beep:
        playDefaultSound();
        return;
    }
}

void AlsaSoundPlayer::playDefaultSound() {
    if (!defaultSoundTried_) {
        defaultSound_ = WaveDecoder::fromFile(options_.defaultSoundPath);
        defaultSoundTried_ = true;
    }
    if (defaultSound_) return play(Source::DefaultSound, *defaultSound_);
    report(Source::SystemBell);
    options_.systemBell();
}

void AlsaSoundPlayer::play(Source source, const Pcm& pcm) {
    report(source);
    AlsaPcmOutput::Request request;
    request.samples = pcm.samples.data();
    request.frames = pcm.frames();
    request.rate = pcm.rate;
    request.channels = pcm.channels;
    request.gain = gainNow();
    request.stop = &stop_;
    options_.output(request); // no device: nothing sounds, as on a machine without sound
}

// The user's file is decoded while it plays, so a file of any length plays and is never read
// whole. False when it holds nothing to hear.
bool AlsaSoundPlayer::playStream(std::unique_ptr<WaveStream> stream) {
    if (!stream) return false;
    const std::size_t channels = stream->channels();
    std::vector<std::int16_t> first(StreamChunk * channels);
    const std::size_t primed = stream->read(first.data(), StreamChunk);
    if (primed == 0) return false;
    report(Source::File);
    std::size_t given = 0;
    AlsaPcmOutput::Request request;
    request.rate = stream->rate();
    request.channels = stream->channels();
    request.gain = gainNow();
    request.stop = &stop_;
    request.pull = [&](std::int16_t* into, std::size_t frames) -> std::size_t {
        if (given == primed) return stream->read(into, frames);
        const std::size_t n = std::min(frames, primed - given);
        std::copy_n(first.data() + given * channels, n * channels, into);
        given += n;
        return n;
    };
    options_.output(request);
    return true;
}

double AlsaSoundPlayer::gainNow() const {
    return options_.gain ? options_.gain() : 1.0;
}

void AlsaSoundPlayer::report(Source source) {
    if (options_.observer) options_.observer(source);
}

} // namespace ql
