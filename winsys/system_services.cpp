// SPDX-License-Identifier: GPL-3.0-or-later
// The services of Windows, for the programs built for it.
#include "platform/system_services.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "winsys/system_clock.h"
#include "winsys/windows_files.h"

namespace korvane {

std::unique_ptr<TextFiles> makeDiskFiles() {
    return std::make_unique<WindowsFiles>();
}

std::unique_ptr<Clock> makeSystemClock() {
    return std::make_unique<WindowsClock>();
}

void useBinaryStandardStreams() {
    for (FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace korvane
