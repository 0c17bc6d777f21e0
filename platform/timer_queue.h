// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The due times of a window's timers, for a host that keeps its own clock (the
// tests' virtual one, the page's): which timer ticks next, and when. Of timers
// due at the same moment the one switched on first ticks first, as a desktop
// delivers them.
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "platform/timer.h"

namespace korvane {

template <class Time>
class TimerQueue {
  public:
    // The timer was switched or given a new interval at `now`: its count starts afresh.
    void changed(Timer& timer, Time now) {
        if (std::find(order_.begin(), order_.end(), &timer) == order_.end())
            order_.push_back(&timer);
        if (timer.running())
            due_[&timer] = now + timer.interval();
        else
            due_.erase(&timer);
    }

    // When the earliest running timer is due; none while no timer runs.
    std::optional<Time> earliest() const {
        if (due_.empty()) return std::nullopt;
        Time first = due_.begin()->second;
        for (const auto& [timer, when] : due_)
            first = std::min(first, when);
        return first;
    }

    // The timer due first at or before `until`, or nullptr.
    Timer* next(Time until) const {
        Timer* found = nullptr;
        Time when = until;
        for (Timer* timer : order_) {
            auto at = due_.find(timer);
            if (at != due_.end() && at->second <= when && (!found || at->second < when)) {
                found = timer;
                when = at->second;
            }
        }
        return found;
    }
    Time dueTime(Timer& timer) const { return due_.at(&timer); }

    // The timer ticks at `now`: its next count starts from there, as a desktop
    // timer's does after a late tick. Then it ticks.
    void tick(Timer& timer, Time now) {
        due_[&timer] = now + timer.interval();
        timer.tick();
    }

  private:
    std::vector<Timer*> order_;   // first come first served on a shared due time
    std::map<Timer*, Time> due_;  // running timers and their next tick
};

}  // namespace korvane
