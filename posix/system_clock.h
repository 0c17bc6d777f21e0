// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/services.h"

namespace korvane {

// The local time of day, for seeding the shuffle.
class SystemClock : public Clock {
  public:
    double secondsSinceMidnight() override;
};

}  // namespace korvane
