// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time for the tests: it stands still until a test moves it on, and then every
// timer tick due on the way is delivered in order, on the caller's thread.
#include <cstdint>
#include "platform/services.h"
#include "platform/timer_queue.h"

namespace korvane {

class VirtualClock : public TimerHost, public Clock {
  public:
    explicit VirtualClock(double startSecondsSinceMidnight = 12 * 3600.0)
        : start_(startSecondsSinceMidnight) {}

    void timerChanged(Timer& timer) override;
    double secondsSinceMidnight() override;

    // The most table time the clock holds, about 146 million years: it stops there.
    static constexpr int64_t kEnd = int64_t{1} << 62;

    // Moves the clock on by `milliseconds`, delivering each tick due at or before
    // the new time. A tick may move the clock itself (a box left open while time
    // passes); the clock never goes back, nor past kEnd.
    void advance(int64_t milliseconds);
    int64_t now() const { return now_; }
    int64_t ticksDelivered() const { return ticks_; }

  private:
    double start_;
    int64_t now_ = 0;
    int64_t ticks_ = 0;
    TimerQueue<int64_t> queue_;
};

}  // namespace korvane
