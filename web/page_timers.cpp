// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_timers.h"

#include <algorithm>

#include "platform/timer_queue.h"
#include "web/page_bridge.h"

namespace korvane {

void PageTimers::timerChanged(Timer& timer) {
    if (std::find(order_.begin(), order_.end(), &timer) == order_.end()) order_.push_back(&timer);
    if (timer.running()) {
        due_[&timer] = page::now() + timer.interval();
    } else {
        due_.erase(&timer);
    }
}

double PageTimers::secondsSinceMidnight() {
    return page::secondsSinceMidnight();
}

double PageTimers::untilNext() const {
    if (due_.empty()) return -1;
    double earliest = due_.begin()->second;
    for (const auto& [timer, when] : due_)
        earliest = std::min(earliest, when);
    return std::max(0.0, earliest - page::now());
}

Timer* PageTimers::nextDue(double now) const {
    return firstDue(order_, due_, now);
}

void PageTimers::runDue() {
    // A tick that opens a box runs the ticks due meanwhile from the box's own
    // wait; what is still due here when it returns is taken in turn.
    while (Timer* timer = nextDue(page::now())) {
        // The next count starts from now, as a desktop timer's does after a late tick.
        due_[timer] = page::now() + timer->interval();
        timer->tick();
    }
}

}  // namespace korvane
