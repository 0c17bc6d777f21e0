// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_timers.h"

#include <algorithm>

#include "web/page_bridge.h"

namespace korvane {

void PageTimers::timerChanged(Timer& timer) {
    queue_.changed(timer, page::now());
}

double PageTimers::secondsSinceMidnight() {
    return page::secondsSinceMidnight();
}

double PageTimers::untilNext() const {
    const std::optional<double> earliest = queue_.earliest();
    return earliest ? std::max(0.0, *earliest - page::now()) : -1;
}

void PageTimers::runDue() {
    // A tick that opens a box runs the ticks due meanwhile from the box's own
    // wait; what is still due here when it returns is taken in turn.
    while (Timer* timer = queue_.next(page::now()))
        queue_.tick(*timer, page::now());
}

}  // namespace korvane
