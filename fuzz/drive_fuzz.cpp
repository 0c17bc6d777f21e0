// SPDX-License-Identifier: GPL-3.0-or-later
// Any input to korvane-drive: it answers every line and neither crashes nor hangs.
#include <cstdint>
#include <sstream>
#include <string>

#include "drive/driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;  // long scripts add nothing a short one cannot reach
    korvane::MemoryFiles files;
    std::ostringstream out, err;
    korvane::Driver driver(files, out, err);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    driver.run(in);
    return 0;
}
