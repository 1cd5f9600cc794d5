// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/StartupPages.h"

#include <sys/mman.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace ql::StartupPages {
namespace {

struct Mapping {
    std::string header;
    long anonymousKb = 0, swapKb = 0, rssKb = 0;
};

// "7f01a000-7f01c000 r-xp ...": an address range before the first space.
bool isHeader(const std::string& line) {
    const auto space = line.find(' ');
    return space != std::string::npos && line.find('-') < space;
}

std::vector<Mapping> readMappings() {
    std::vector<Mapping> maps;
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    long value = 0;
    while (std::getline(smaps, line)) {
        char field[32] = "";
        if (isHeader(line)) {
            maps.push_back({line});
        } else if (!maps.empty() &&
                   std::sscanf(line.c_str(), "%31[^:]: %ld kB", field, &value) == 2) {
            const std::string f = field;
            if (f == "Rss") maps.back().rssKb = value;
            if (f == "Anonymous") maps.back().anonymousKb = value;
            if (f == "Swap") maps.back().swapKb = value;
        }
    }
    return maps;
}

} // namespace

bool droppable(const std::string& header, long anonymousKb, long swapKb) {
    std::istringstream in(header);
    std::string range, perms, offset, device, path;
    long inode = 0;
    if (!(in >> range >> perms >> offset >> device >> inode >> path)) return false;
    // Private and never written: its pages are the file's own, and read back the same.
    return perms.size() == 4 && perms[1] == '-' && perms[3] == 'p' && inode != 0 &&
           path.front() == '/' && anonymousKb == 0 && swapKb == 0;
}

long release() {
    long dropped = 0;
    for (const Mapping& m : readMappings()) {
        if (m.rssKb == 0 || !droppable(m.header, m.anonymousKb, m.swapKb)) continue;
        unsigned long from = 0, to = 0;
        if (std::sscanf(m.header.c_str(), "%lx-%lx", &from, &to) != 2) continue;
        if (madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED) == 0)
            dropped += m.rssKb;
    }
    return dropped;
}

} // namespace ql::StartupPages
