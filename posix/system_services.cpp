// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_services.h"

#include "posix/disk_files.h"
#include "posix/system_clock.h"

namespace korvane {

std::unique_ptr<TextFiles> makeDiskFiles() {
    return std::make_unique<DiskFiles>();
}

std::unique_ptr<Clock> makeSystemClock() {
    return std::make_unique<SystemClock>();
}

}  // namespace korvane
