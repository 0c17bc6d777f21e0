// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timer.h"

namespace korvane {

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (host_) host_->timerChanged(*this);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    if (host_) host_->timerChanged(*this);
}

}  // namespace korvane
