// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_file.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(CashFile, ReadsTheCashUnchangedAndTheDebtRoundedToEven) {
    using Lines = std::vector<std::string>;
    struct Case {
        Lines lines;
        std::optional<std::string> cash;
        std::optional<int32_t> debt;
    };
    const Case cases[] = {{{"2350", "2000"}, "2350", 2000},
                          {{" 500", "1250.5"}, " 500", 1250},
                          {{"0", "1251.5"}, "0", 1252},
                          {{"abc", "x"}, "abc", 0},
                          {{"100", "99999999999"}, "100", 2147483647},
                          {{"100", "-99999999999"}, "100", -2147483647 - 1},
                          {{"100"}, "100", std::nullopt},
                          {{}, std::nullopt, std::nullopt}};
    for (const auto& c : cases) {
        const CashFileContent content = readCashLines(c.lines);
        EXPECT_EQ(content.cash, c.cash);
        EXPECT_EQ(content.debt, c.debt);
    }
}

TEST(CashFile, WritesTheCashAsShownAndTheDebtAsAWholeNumber) {
    EXPECT_EQ(cashLines(" 500", 3000), (std::vector<std::string>{" 500", "3000"}));
    EXPECT_EQ(cashLines("1000", 0), (std::vector<std::string>{"1000", "0"}));
    EXPECT_EQ(cashLines("10", -5), (std::vector<std::string>{"10", "-5"}));
}

}  // namespace
}  // namespace korvane
