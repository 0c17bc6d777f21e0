// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_import.h"

#include <gtest/gtest.h>

#include "platform/text_lines.h"

namespace korvane {
namespace {

TEST(OpenedCash, LargerThanACashFileIsRefusedUnread) {
    for (const size_t size : {kLargestReadable + 1, size_t{10} << 20}) {
        const OpenedCash opened = readOpenedCash(std::string(size, '7'));
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.reason, "too large to be a cash file");
        EXPECT_FALSE(opened.content.cash);
    }
}

TEST(OpenedCash, KeepsWhatTheFileLeavesOut) {
    const CashAndDebt now{"1000", 3000};
    const struct {
        CashFileContent content;
        std::string cash;
        int32_t debt;
    } cases[] = {
        {{"250", 1000}, "250", 1000}, {{"250", std::nullopt}, "250", 3000}, {{}, "1000", 3000}};
    for (const auto& c : cases) {
        const CashAndDebt then = takenOver(c.content, now);
        EXPECT_EQ(then.cash, c.cash);
        EXPECT_EQ(then.debt, c.debt);
    }
}

TEST(OpenedCash, AsksInTheLanguageInForceLineByLine) {
    const CashAndDebt now{"1000", 0}, then{"250.5", 1000};
    EXPECT_EQ(openedCashQuestion(Language::English, "Korvane.cash", now, then),
              "The cash file Korvane.cash holds 250.5 $ and a debt of 1000.\rThe table now holds "
              "1000 $ and a debt of 0.\rTake the cash from the file?");
    EXPECT_EQ(openedCashQuestion(Language::Danish, "Korvane.cash", now, then),
              "Kassefilen Korvane.cash har 250.5 $ og en gæld på 1000.\rBordet har nu 1000 $ og en "
              "gæld på 0.\rSkal bordet tage kassen fra filen?");
    EXPECT_EQ(openedCashUnreadable(Language::English, "big.cash", "too large to be a cash file"),
              "The cash file big.cash could not be read (too large to be a cash file).\rThe cash "
              "on the table is unchanged.");
    EXPECT_NE(openedCashEmpty(Language::Danish, "x").find("er tom"), std::string::npos);
}

}  // namespace
}  // namespace korvane
