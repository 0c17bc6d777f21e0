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
}

TEST(CardCode, RankComesFromTheLastTwoCharacters) {
    const std::pair<int, std::pair<const char*, const char*>> cases[] = {
        {0, {"0 0", "A"}},   {9, {"0 9", "10"}}, {10, {"0 10", "J"}},
        {25, {"1 12", "K"}}, {39, {"3 0", "A"}}, {51, {"3 12", "K"}}};
    for (const auto& [card, expected] : cases) {
        EXPECT_EQ(cardCode(card), expected.first);
        EXPECT_EQ(kRankNames[static_cast<size_t>(rankOfCode(expected.first))], expected.second);
    }
    EXPECT_EQ(rankOfCode(""), 0);  // an empty list item reads as rank 0, as before a shuffle
}

TEST(RankTable, NamesAndPointsPerRank) {
    const std::array<std::string, 13> names{"A", "2", "3",  "4", "5", "6", "7",
                                            "8", "9", "10", "J", "Q", "K"};
    const std::array<int16_t, 13> points{11, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};
    EXPECT_EQ(kRankNames, names);
    EXPECT_EQ(kRankValues, points);
    EXPECT_EQ(faceName(51), "face51");
}

}  // namespace
}  // namespace korvane
