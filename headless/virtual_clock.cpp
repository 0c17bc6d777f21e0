// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/virtual_clock.h"

#include <algorithm>
#include <cmath>

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
    Timer* next = nullptr;
    int64_t when = until;
    for (Timer* timer : order_) {
        auto found = due_.find(timer);
        if (found != due_.end() && found->second <= when && (!next || found->second < when)) {
            next = timer;
            when = found->second;
        }
    }
    return next;
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
