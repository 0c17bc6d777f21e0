// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/hand_value.h"

namespace korvane {

int16_t handValue(const std::vector<std::string>& rankTexts,
                  const std::array<std::string, kRanks>& rankName,
                  const std::array<int16_t, kRanks>& rankValue) {
    int total = 0;
    int aces = 0;
    for (const auto& text : rankTexts) {
        if (text == "A") ++aces;
        for (int r = 0; r < kRanks; ++r)
            if (text == rankName[static_cast<size_t>(r)])
                total += rankValue[static_cast<size_t>(r)];
    }
    // At most four aces come down, each only while the hand is still over 21.
    for (int reduced = 1; reduced <= 4; ++reduced)
        if (total > 21 && aces >= reduced) total -= 10;
    return static_cast<int16_t>(total);
}

}  // namespace korvane
