// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/virtual_clock.h"

#include <algorithm>
#include <cmath>

#include "platform/timer_queue.h"

namespace korvane {

void VirtualClock::timerChanged(Timer& timer) {
    if (std::find(order_.begin(), order_.end(), &timer) == order_.end()) order_.push_back(&timer);
    if (timer.running()) {
        due_[&timer] = now_ + timer.interval();
    } else {
        due_.erase(&timer);
    }
}

double VirtualClock::secondsSinceMidnight() {
    return std::fmod(start_ + static_cast<double>(now_) / 1000.0, 86400.0);
}

Timer* VirtualClock::nextDue(int64_t until) {
    return firstDue(order_, due_, until);
}

void VirtualClock::advance(int64_t milliseconds) {
    const int64_t until = now_ + std::clamp<int64_t>(milliseconds, 0, kEnd - now_);
    while (Timer* timer = nextDue(until)) {
        now_ = std::max(now_, due_[timer]);
        due_[timer] = now_ + timer->interval();
        ++ticks_;
        timer->tick();
    }
    now_ = std::max(now_, until);
}

}  // namespace korvane
