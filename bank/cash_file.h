// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cash file keeps the player's money between runs: two lines, the cash text
// exactly as the table shows it, then the debt as a whole number. It is written
// in a single-byte code page, so every byte of the first line comes back as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

inline const std::string kCashFileName = "Korvane.cash";
// Beside the cash file: held by the table that plays from it.
inline const std::string kLockFileName = "Korvane.lock";

struct CashFileContent {
    std::optional<std::string> cash;  // missing: the table keeps its own
    std::optional<int32_t> debt;
    bool debtCut = false;  // the line's debt lies beyond what the table can hold
};

// Lines as read from the file (bytes) to what the table takes from them. A
// byte-order mark an editor put before the first line is not part of the cash.
CashFileContent readCashLines(const std::vector<std::string>& lines);
// What the table holds to the lines written (bytes).
std::vector<std::string> cashLines(const std::string& cash, int32_t debt);

// One byte a character, both ways: bytes 128..255 are the characters U+0080..U+00FF.
std::string latin1ToUtf8(const std::string& bytes);
// Characters beyond U+00FF, which no cash file can hold, become '?'.
std::string utf8ToLatin1(const std::string& text);

}  // namespace korvane
