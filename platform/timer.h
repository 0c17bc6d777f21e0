// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A timer of the window. Switching it on, or setting its interval, starts its
// count afresh; switching on a timer that is already on changes nothing. Who
// keeps the time (a real clock or the tests' virtual one) is the host's business.
#include <functional>

#include "platform/control.h"

namespace korvane {

class Timer;

class TimerHost {
  public:
    virtual ~TimerHost() = default;
    // The timer was switched or given a new interval: start its count again.
    virtual void timerChanged(Timer& timer) = 0;
};

class Timer : public Control {
  public:
    explicit Timer(std::string name) : Control(std::move(name), ControlKind::Timer) {}

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool on);
    void setInterval(int milliseconds);
    // Runs only while on and with an interval above 0.
    bool running() const { return enabled_ && interval_ > 0; }

    void attach(TimerHost* host) { host_ = host; }
    std::function<void()> onTick;
    void tick() {
        if (onTick) onTick();
    }

    std::vector<Property> properties() const override;

  private:
    bool enabled_ = true;
    int interval_ = 0;
    TimerHost* host_ = nullptr;
};

}  // namespace korvane
