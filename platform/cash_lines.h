// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a cash file as every system's files read and write them.
#include <string>
#include <vector>

namespace korvane {

// Anything larger is not a file the game wrote.
constexpr long kLargestCashFile = 64 * 1024;

// Splits at CR LF, a lone LF or a lone CR; no line end stays in a line.
std::vector<std::string> splitLines(const std::string& bytes);

// Each line ended by CR LF.
std::string joinedLines(const std::vector<std::string>& lines);

}  // namespace korvane
