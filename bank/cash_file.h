#pragma once
// The cash file keeps the player's money between runs: two lines, the cash text
// exactly as the table shows it, then the debt as a whole number.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

inline const std::string kCashFileName = "Korvane.cash";

struct CashFileContent {
    std::optional<std::string> cash;  // missing: the table keeps its own
    std::optional<int32_t> debt;
};

CashFileContent readCashLines(const std::vector<std::string>& lines);
std::vector<std::string> cashLines(const std::string& cash, int32_t debt);

}  // namespace korvane
