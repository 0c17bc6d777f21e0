// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_import.h"

#include "platform/number_text.h"
#include "platform/text_lines.h"

namespace korvane {

OpenedCash readOpenedCash(const std::string& bytes) {
    OpenedCash opened;
    if (bytes.size() > kLargestReadable) {
        opened.reason = "too large to be a cash file";
        return opened;
    }
    opened.ok = true;
    opened.content = readCashLines(splitLines(bytes));
    return opened;
}

CashAndDebt takenOver(const CashFileContent& content, const CashAndDebt& now) {
    return {content.cash.value_or(now.cash), content.debt.value_or(now.debt)};
}

}  // namespace korvane
