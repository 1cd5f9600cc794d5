#pragma once

#include "platform/LocalClock.h"

namespace ql {

class SystemLocalClock : public LocalClock {
public:
    LocalTime now() const override;
};

} // namespace ql
