// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hand is worth the sum of its cards, aces 11 and picture cards 10; while the
// hand is over 21, one ace after another counts 1 instead.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/card.h"

namespace korvane {

int16_t handValue(const std::vector<std::string>& rankTexts,
                  const std::array<std::string, kRanks>& rankName,
                  const std::array<int16_t, kRanks>& rankValue);

}  // namespace korvane
