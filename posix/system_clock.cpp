// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/system_clock.h"

#include <chrono>
#include <ctime>

namespace korvane {

double SystemClock::secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto since = now.time_since_epoch();
    const double fraction =
        std::chrono::duration<double>(since - std::chrono::floor<std::chrono::seconds>(since))
            .count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace korvane
