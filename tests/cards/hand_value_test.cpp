// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/hand_value.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct Hand {
    std::vector<std::string> ranks;
    int value;
};

TEST(HandValue, AcesComeDownOneAtATimeWhileOver21) {
    const Hand hands[] = {{{"10", "A"}, 21},
                          {{"A", "A"}, 12},
                          {{"A", "A", "9"}, 21},
                          {{"A", "A", "A", "A", "7"}, 21},
                          {{"A", "A", "A", "A"}, 14},
                          {{"K", "Q", "5"}, 25},
                          {{"A", "6", "10"}, 17},
                          {{"A", "6"}, 17},
                          {{"J", "Q"}, 20},
                          {{"K", "6"}, 16},
                          {{"2", "3", "2", "3", "4"}, 14},
                          {{"A", "K", "A", "K"}, 22},
                          {{}, 0},
                          {{"", ""}, 0},
                          {{"A", "", "5"}, 16},
                          {{"10", "10", "10", "10", "10"}, 50}};
    for (const auto& hand : hands) {
        std::string shown;
        for (const auto& r : hand.ranks)
            shown += r + " ";
        EXPECT_EQ(handValue(hand.ranks, kRankNames, kRankValues), hand.value) << shown;
    }
}

}  // namespace
}  // namespace korvane
