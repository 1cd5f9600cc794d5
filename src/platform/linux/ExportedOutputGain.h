// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/OutputGain.h"

// What the voice plug-ins look up (dlsym(RTLD_DEFAULT, "ql_output_gain")): the factor to apply
// to their samples now, 0.0 to 1.0.
extern "C" double ql_output_gain(void);

namespace ql {

// The one level of the process, shared with the voice plug-ins through ql_output_gain. It starts
// at full level, as a program's own volume does.
class ExportedOutputGain : public OutputGain {
  public:
    std::uint16_t level() const override;
    void setLevel(std::uint16_t level) override;
    // The factor for the sound player's samples.
    static double gain();
};

} // namespace ql
