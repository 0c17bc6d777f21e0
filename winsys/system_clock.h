// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/services.h"

namespace korvane {

// The local time of day on Windows, for seeding the shuffle.
class WindowsClock : public Clock {
  public:
    double secondsSinceMidnight() override;
};

}  // namespace korvane
