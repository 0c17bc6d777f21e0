// SPDX-License-Identifier: GPL-3.0-or-later
// The services of a POSIX system for a program at the top (platform/system.h).
#include "platform/disk_files.h"
#include "platform/system.h"
#include "platform/system_clock.h"

namespace korvane {

std::unique_ptr<TextFiles> systemFiles() {
    return std::make_unique<DiskFiles>();
}

std::unique_ptr<Clock> systemClock() {
    return std::make_unique<SystemClock>();
}

// POSIX streams carry bytes as they are already.
void useBinaryStandardStreams() {}

}  // namespace korvane
