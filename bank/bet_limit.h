// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The betting limit climbs in tiers as won rounds lift the cash past set marks.
#include <array>
#include <string>

namespace korvane {

struct LimitTier {
    double cash;  // the cash that reaches the tier
    int limit;    // the limit it gives
};

// Tested in this order after every win; each raises the limit the next compares with.
inline constexpr std::array<LimitTier, 5> kLimitTiers{
    {{50000, 10000}, {25000, 5000}, {10000, 2500}, {5000, 1000}, {2500, 500}}};

inline bool tierReached(const LimitTier& tier, double cash, int limit) {
    return cash >= tier.cash && limit < tier.limit;
}

std::string limitRaisedText(int limit);

}  // namespace korvane
