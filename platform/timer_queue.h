// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which running timer ticks next, for a host that keeps its own clock (the tests'
// virtual one, the page's): the one due first by `until`, and of timers due at
// the same moment the one switched on first, as a desktop delivers them.
#include <map>
#include <vector>

#include "platform/timer.h"

namespace korvane {

template <class Time>
Timer* firstDue(const std::vector<Timer*>& order, const std::map<Timer*, Time>& due, Time until) {
    Timer* next = nullptr;
    Time when = until;
    for (Timer* timer : order) {
        auto found = due.find(timer);
        if (found != due.end() && found->second <= when && (!next || found->second < when)) {
            next = timer;
            when = found->second;
        }
    }
    return next;
}

}  // namespace korvane
