// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/system_clock.h"

#include <windows.h>

namespace korvane {

double WindowsClock::secondsSinceMidnight() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond +
           local.wMilliseconds / 1000.0;
}

}  // namespace korvane
