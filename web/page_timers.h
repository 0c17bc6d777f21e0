// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's timers on the page's clock. The core keeps every due time and the
// page sleeps until the earliest; with no timer on, nothing wakes at all.
#include "platform/services.h"
#include "platform/timer_queue.h"

namespace korvane {

class PageTimers : public TimerHost, public Clock {
  public:
    void timerChanged(Timer& timer) override;
    double secondsSinceMidnight() override;

    // Milliseconds until the earliest tick is due (0 when one is late), or -1
    // while no timer is on.
    double untilNext() const;
    // Delivers every tick due by now, earliest first.
    void runDue();

  private:
    TimerQueue<double> queue_;
};

}  // namespace korvane
