#include "bank/cash_file.h"

#include "platform/number_text.h"

namespace korvane {

CashFileContent readCashLines(const std::vector<std::string>& lines) {
    CashFileContent content;
    if (!lines.empty()) content.cash = lines[0];
    if (lines.size() >= 2) content.debt = toInt32(numericValue(lines[1]));
    return content;
}

std::vector<std::string> cashLines(const std::string& cash, int32_t debt) {
    return {cash, plainText(debt)};
}

}  // namespace korvane
