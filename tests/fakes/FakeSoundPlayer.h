// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <vector>

namespace ql {

// Records what the program asked to play, in order.
class FakeSoundPlayer : public SoundPlayer {
  public:
    enum class Kind { Memory, MemoryAndWait, File, Beep, Stop };
    struct Call {
        Kind kind;
        std::string path;                       // File only
        std::shared_ptr<const QByteArray> wave; // Memory only
    };

    std::vector<Call> calls;

    void playMemory(std::shared_ptr<const QByteArray> wave) override {
        calls.push_back({Kind::Memory, {}, std::move(wave)});
    }
    // Heard at once. Called on a speech worker, so a test reads calls only once it has finished.
    void playMemoryAndWait(std::shared_ptr<const QByteArray> wave) override {
        calls.push_back({Kind::MemoryAndWait, {}, std::move(wave)});
    }
    void playFile(const std::string& path) override {
        calls.push_back({Kind::File, path, nullptr});
    }
    void beep() override { calls.push_back({Kind::Beep, {}, nullptr}); }
    void stop() override { calls.push_back({Kind::Stop, {}, nullptr}); }

    std::size_t count(Kind kind) const {
        std::size_t n = 0;
        for (const Call& c : calls)
            n += c.kind == kind;
        return n;
    }
};

} // namespace ql
