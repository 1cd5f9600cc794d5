// SPDX-License-Identifier: GPL-3.0-or-later
// Loads one voice plug-in as the program does and calls Speak once per "speak" line read from
// standard input, answering each with "done". Exit 0 at the end of input, 2 when the library did
// not load, 3 when it has no Speak.
//   voice_speak_probe A.so --switch B.so N   loads A, speaks, unloads, then B, and so on N times,
//   as a user switching languages back and forth; prints the anonymous memory (kB) after 20
//   switches and at the end.
#include "platform/linux/AlsaPcmOutput.h"

#include <QLibrary>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

long anonymousKb() {
    std::ifstream in("/proc/self/smaps_rollup");
    std::string line;
    long kb = 0;
    while (std::getline(in, line))
        std::sscanf(line.c_str(), "Anonymous: %ld", &kb);
    return kb;
}

bool speakOnce(const char* path) {
    QLibrary library(QString::fromLocal8Bit(path));
    if (!library.load()) return false;
    const auto speak = reinterpret_cast<void (*)()>(library.resolve("Speak"));
    if (speak) speak();
    library.unload();
    return speak != nullptr;
}

// The program holds the sound library for its whole run (it plays alarm sounds), so the voices'
// use of it comes and goes without loading it anew.
int switchVoices(const char* first, const char* second, int count) {
    const std::vector<std::int16_t> silence(441);
    ql::AlsaPcmOutput::Request request;
    request.samples = silence.data();
    request.frames = silence.size();
    ql::AlsaPcmOutput::play(request);
    long warm = 0;
    for (int i = 0; i < count; ++i) {
        if (!speakOnce(i % 2 ? second : first)) return 2;
        if (i == 19) warm = anonymousKb();
    }
    std::printf("%ld %ld\n", warm, anonymousKb());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[2], "--switch") == 0)
        return switchVoices(argv[1], argv[3], std::atoi(argv[4]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <voice plug-in>  (then \"speak\" lines on stdin)\n",
                     argv[0]);
        return 1;
    }
    QLibrary library(QString::fromLocal8Bit(argv[1]));
    if (!library.load()) {
        std::fprintf(stderr, "%s\n", qPrintable(library.errorString()));
        return 2;
    }
    using SpeakFn = void (*)();
    const auto speak = reinterpret_cast<SpeakFn>(library.resolve("Speak"));
    if (!speak) return 3;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line != "speak") continue;
        speak();
        std::cout << "done" << std::endl;
    }
    return 0;
}
