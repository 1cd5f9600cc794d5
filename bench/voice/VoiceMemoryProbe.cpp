// SPDX-License-Identifier: GPL-3.0-or-later
// Child of voice_bench: loads one voice plug-in the way the program does, calls Speak once and
// prints the memory that added (kB): RSS after loading, RSS after Speak, anonymous after
// loading, anonymous after Speak. With --sound-in-use it first plays a moment of silence through
// the shared ALSA output, as a program that has already made a sound would have.
#include "platform/linux/AlsaPcmOutput.h"

#include <QLibrary>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Resident set and its anonymous part (heap, espeak-ng's data), in kB. Library pages count in
// full in the first, though a desktop shares most of them with other programs.
std::pair<long, long> residentKb() {
    std::ifstream in("/proc/self/smaps_rollup");
    std::string line;
    long rss = 0, anon = 0;
    while (std::getline(in, line)) {
        std::sscanf(line.c_str(), "Rss: %ld", &rss);
        std::sscanf(line.c_str(), "Anonymous: %ld", &anon);
    }
    return {rss, anon};
}

void playSilence() {
    const std::vector<std::int16_t> silence(2205);
    ql::AlsaPcmOutput::Request request;
    request.samples = silence.data();
    request.frames = silence.size();
    request.rate = 22050;
    ql::AlsaPcmOutput::play(request);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    if (argc > 2 && std::strcmp(argv[2], "--sound-in-use") == 0) playSilence();
    const auto before = residentKb();
    QLibrary library(QString::fromUtf8(argv[1]));
    if (!library.load()) return 2;
    const auto speak = reinterpret_cast<void (*)()>(library.resolve("Speak"));
    if (!speak) return 3;
    const auto loaded = residentKb();
    speak();
    const auto after = residentKb();
    std::printf("%ld %ld %ld %ld\n", loaded.first - before.first, after.first - before.first,
                loaded.second - before.second, after.second - before.second);
    return 0;
}
