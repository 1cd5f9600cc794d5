// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Phrases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace ql::voice::coverage {

struct Case {
    int hour;
    int minute;
    const char* sentence;
};

// Each case names its time, so a failure reads "07:45".
inline void expectSentences(PhraseFn phrase, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        char label[8];
        std::snprintf(label, sizeof label, "%02d:%02d", c.hour, c.minute);
        EXPECT_EQ(phrase(c.hour, c.minute), c.sentence) << label;
    }
}

} // namespace ql::voice::coverage
