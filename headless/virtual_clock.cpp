// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/virtual_clock.h"

#include <algorithm>
#include <cmath>

namespace korvane {

void VirtualClock::timerChanged(Timer& timer) {
    queue_.changed(timer, now_);
}

double VirtualClock::secondsSinceMidnight() {
    return std::fmod(start_ + static_cast<double>(now_) / 1000.0, 86400.0);
}

void VirtualClock::advance(int64_t milliseconds) {
    const int64_t until = now_ + std::clamp<int64_t>(milliseconds, 0, kEnd - now_);
    while (Timer* timer = queue_.next(until)) {
        now_ = std::max(now_, queue_.dueTime(*timer));
        ++ticks_;
        queue_.tick(*timer, now_);
    }
    now_ = std::max(now_, until);
}

}  // namespace korvane
