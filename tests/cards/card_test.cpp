// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card.h"

#include <gtest/gtest.h>

#include <set>

namespace korvane {
namespace {

TEST(CardCode, EveryCardHasItsSuitDigitAndBlankedRank) {
    const char* suits = "0123";
    std::set<std::string> codes;
    for (int card = 0; card < kDeckSize; ++card) {
        const std::string code = cardCode(card);
        const std::string expected =
            std::string(1, suits[card / 13]) + " " + std::to_string(card % 13);
        EXPECT_EQ(code, expected) << card;
        EXPECT_EQ(rankOfCode(code), card % 13) << code;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_EQ(rankOfCode(""), 0);  // an empty list item reads as rank 0, as before a shuffle
}

}  // namespace
}  // namespace korvane
