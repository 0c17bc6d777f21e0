// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system's own services, made by the library of the system the game
// is built for: the cash file on the disk, with its lock, and the time of day.
// Nothing above this floor needs to know which system that is.
#include <memory>

#include "platform/services.h"

namespace korvane {

std::unique_ptr<TextFiles> makeDiskFiles();
std::unique_ptr<Clock> makeSystemClock();

}  // namespace korvane
