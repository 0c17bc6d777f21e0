// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shuffle draws card numbers at random and keeps each the first time it comes
// up, so the deck's order is the order of first draws.
#include <array>
#include <cstdint>
#include <vector>

#include "cards/card.h"
#include "platform/services.h"

namespace korvane {

// floor(u x 52) for the next uniform u, never 52 even when u rounds up to 1.
int drawCardNumber(Random& random);

// The 52 card numbers in dealing order; `drawn` ends with every card marked 1.
std::vector<int> shuffledOrder(Random& random, std::array<int16_t, kDeckSize>& drawn);

}  // namespace korvane
