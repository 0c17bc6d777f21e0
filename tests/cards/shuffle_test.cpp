// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/shuffle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

#include "headless/scripted_random.h"

namespace korvane {
namespace {

TEST(Shuffle, TheOrderIsTheOrderOfFirstDraws) {
    ScriptedRandom random;
    // 7, then 7 again (rejected), 3, 7, 3 (both rejected), 51, then the rest at random.
    for (int card : {7, 7, 3, 7, 3, 51})
        random.queued.push_back(drawOf(card));
    std::array<int16_t, kDeckSize> drawn{};
    const std::vector<int> order = shuffledOrder(random, drawn);
    ASSERT_EQ(order.size(), 52u);
    EXPECT_EQ(order[0], 7);
    EXPECT_EQ(order[1], 3);
    EXPECT_EQ(order[2], 51);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 52u);
    EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0), 52);
}

TEST(Shuffle, AValueJustBelowOneDrawsTheLastCard) {
    ScriptedRandom random;
    const double justBelowOne = std::nextafter(1.0, 0.0);
    const float singleBelowOne = std::nextafter(1.0f, 0.0f);
    for (double u : {justBelowOne, static_cast<double>(singleBelowOne), 0.0, 0.5}) {
        random.queued = {u};
        const int n = drawCardNumber(random);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 51) << u;
    }
    random.queued = {justBelowOne};
    EXPECT_EQ(drawCardNumber(random), 51);
    random.queued = {0.0};
    EXPECT_EQ(drawCardNumber(random), 0);
}

}  // namespace
}  // namespace korvane
