// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/WaveFileWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <chrono>
#include <cmath>
#include <functional>
#include <future>
#include <memory>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

// The core library is static: its embedded sounds must be pulled in by name.
inline void initSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace ql::test {

// An interleaved sine at `amplitude`, the same on every channel.
inline std::vector<float> sine(double seconds, unsigned rate, unsigned channels, double hz = 440.0,
                               double amplitude = 0.5) {
    const auto frames = static_cast<std::size_t>(seconds * rate);
    std::vector<float> out;
    out.reserve(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2.0 * std::numbers::pi * hz * i / rate);
        for (unsigned c = 0; c < channels; ++c)
            out.push_back(static_cast<float>(v));
    }
    return out;
}

inline std::string writeSine(const QString& path, WaveEncoding encoding, unsigned channels = 1,
                             double seconds = 0.25, unsigned rate = 44100) {
    const std::string p = path.toStdString();
    return WaveFileWriter::write(p, sine(seconds, rate, channels), rate, channels, encoding) ? p
                                                                                             : "";
}

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes of a built-in alarm sound ("Yipe", "Lazer", "Whistle" or "Fanfare").
inline QByteArray builtInSound(const char* name) {
    initSoundResources();
    return readAll(QString(":/sounds/%1.wav").arg(name));
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs `call` on a thread of its own and tells whether it came back within a time that only a
// hang exceeds. The thread is let go, so a hang fails the test instead of freezing the run.
inline bool returns(std::function<void()> call) {
    auto done = std::make_shared<std::promise<void>>();
    auto finished = done->get_future();
    std::thread([call = std::move(call), done] {
        call();
        done->set_value();
    }).detach();
    return finished.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
}

} // namespace ql::test
