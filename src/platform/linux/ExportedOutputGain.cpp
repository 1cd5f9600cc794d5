// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/ExportedOutputGain.h"

#include <atomic>

namespace {

// Written on the user-interface thread, read by the speech and sound threads.
std::atomic<std::uint16_t> currentLevel{0xFFFF};

} // namespace

extern "C" __attribute__((visibility("default"))) double ql_output_gain(void) {
    return ql::ExportedOutputGain::gain();
}

namespace ql {

std::uint16_t ExportedOutputGain::level() const {
    return currentLevel.load();
}

void ExportedOutputGain::setLevel(std::uint16_t level) {
    currentLevel.store(level);
}

double ExportedOutputGain::gain() {
    return currentLevel.load() / 65535.0;
}

} // namespace ql
