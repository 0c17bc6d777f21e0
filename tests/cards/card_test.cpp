// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(CardCode, IsTheSuitDigitAndTheBlankedRank) {
    const struct {
        int card;
        const char* code;
        int rank;
    } codes[] = {{0, "0 0", 0},  {9, "0 9", 9},    {12, "0 12", 12},
                 {13, "1 0", 0}, {38, "2 12", 12}, {51, "3 12", 12}};
    for (const auto& c : codes) {
        EXPECT_EQ(cardCode(c.card), c.code) << c.card;
        EXPECT_EQ(rankOfCode(c.code), c.rank) << c.code;
    }
    EXPECT_EQ(cardCode(52), "") << "a number that names no card";
    EXPECT_EQ(rankOfCode(""), 0);  // an empty list item reads as rank 0, as before a shuffle
}

}  // namespace
}  // namespace korvane
