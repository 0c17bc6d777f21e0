// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services of the system a program runs on, for the programs at the top:
// each system's library (posix/, winsys/) defines them, and a program links the
// one of the system it is built for, korvane_system, so that no layer above this
// one names a system.
#include <memory>

#include "platform/services.h"

namespace korvane {

std::unique_ptr<TextFiles> systemFiles();
std::unique_ptr<Clock> systemClock();

// Standard input and output carry bytes as they are: Windows would otherwise
// write each line end as CR LF and read CR LF as a line end.
void useBinaryStandardStreams();

}  // namespace korvane
