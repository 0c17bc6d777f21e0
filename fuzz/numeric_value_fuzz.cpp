// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a number: never a crash, never a value the table cannot write
// back, and the plain form reads back as the same number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = korvane::numericValue(text);
    if (!std::isfinite(value)) std::abort();
    const std::string plain = korvane::plainText(value);
    if (plain.find_first_not_of("-.0123456789") != std::string::npos || plain == "-0") std::abort();
    const double back = korvane::numericValue(plain);
    if (std::fabs(back - value) > 1e-13 * std::max(1.0, std::fabs(value))) std::abort();
    (void)korvane::toInt16(value);
    (void)korvane::toInt32(value);
    return 0;
}
