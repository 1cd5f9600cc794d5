// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmSounds.h"
#include "Chime.h"
#include "platform/linux/WaveFileWriter.h"

#include <cstdio>
#include <string>

// Writes the built-in alarm sounds and the chime as mono 44.1 kHz 4-bit MS-ADPCM waves into the
// given folder.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    using namespace ql::soundgen;
    const std::pair<const char*, Signal> sounds[] = {{"Yipe", yipe()},
                                                     {"Lazer", lazer()},
                                                     {"Whistle", whistle()},
                                                     {"Fanfare", fanfare()},
                                                     {"Chime", chime()}};
    for (const auto& [name, signal] : sounds) {
        const std::string path = std::string(argv[1]) + "/" + name + ".wav";
        if (!ql::WaveFileWriter::write(path, signal, 44100, 1, ql::WaveEncoding::MsAdpcm)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
