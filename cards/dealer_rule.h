// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dealer stops as soon as its hand is worth at least the player's, and in any
// case at its standing total, whatever the player holds; both tests strict the
// other way round, so it draws only while behind and below 17.
#include <cstdint>

namespace korvane {

constexpr bool dealerStops(int dealerTotal, int playerTotal, int standsAt) {
    return dealerTotal >= playerTotal || dealerTotal >= standsAt;
}

}  // namespace korvane
