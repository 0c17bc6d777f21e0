// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the driver's command lines.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

std::vector<std::string> splitWords(const std::string& line);

// A whole decimal integer, optionally signed, nothing else; out of int64 range is no number.
std::optional<int64_t> wholeNumber(const std::string& word);

// As wholeNumber, but a number beyond the int64 range, however long, stops at
// the nearer end of it.
std::optional<int64_t> saturatedNumber(const std::string& word);

// A text for a quoted field: backslash and double quote escaped, CR and LF as \r and \n.
std::string quoted(const std::string& text);

}  // namespace korvane
