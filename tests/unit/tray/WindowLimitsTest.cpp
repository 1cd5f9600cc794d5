// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/WindowLimits.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ql {
namespace {

struct Denied {
    WindowFeature feature;
    const char* line;
};

// Each refusal is explained once, in words a user can act on; what is allowed says nothing.
TEST(WindowLimitsTest, EachRefusalIsSaidOnceAndAllowedFeaturesAreSilent) {
    const Denied table[] = {
        {WindowFeature::Position,
         "quorlan-lite: the desktop does not let the clock place its window; it opens where the "
         "desktop puts it, and the stored position is kept\n"},
        {WindowFeature::StayOnTop, "quorlan-lite: the desktop does not let the clock keep its "
                                   "window on top; \"Always on top\" has no effect here\n"},
        {WindowFeature::TaskbarButton,
         "quorlan-lite: the desktop does not let the clock hide its taskbar button\n"},
        {WindowFeature::Opacity, "quorlan-lite: the desktop does not let the clock make its "
                                 "window translucent; transparency has no effect here\n"},
    };
    for (const Denied& d : table) {
        FakeDesktop desktop;
        desktop.denied = {d.feature};
        std::ostringstream out;
        WindowLimits limits(desktop, out);
        EXPECT_FALSE(limits.allows(d.feature));
        for (WindowFeature other : {WindowFeature::Position, WindowFeature::StayOnTop,
                                    WindowFeature::TaskbarButton, WindowFeature::Opacity})
            EXPECT_EQ(limits.allows(other), other != d.feature);
        EXPECT_EQ(out.str(), d.line);
    }
}

} // namespace
} // namespace ql
