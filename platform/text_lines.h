// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a text file the game writes (the cash file): lines ended by CR LF,
// read back whatever line ends another program left, and never larger than
// anything the game would write.
#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

// Anything larger is not a file the game wrote.
inline constexpr std::size_t kLargestReadable = 64 * 1024;

// Each line ended by CR LF.
std::string joinLines(const std::vector<std::string>& lines);
// Splits at CR LF, a lone LF or a lone CR; no line end stays in a line.
std::vector<std::string> splitLines(const std::string& bytes);

}  // namespace korvane
