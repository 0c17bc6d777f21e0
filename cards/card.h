// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A card is numbered 0..51: thirteen ranks (ace, 2..10, jack, queen, king) in each
// of hearts, diamonds, clubs and spades. Its code, the text the deck lists hold,
// is the suit digit followed by the rank index with one leading blank: "0 0" is
// the ace of hearts, "3 12" the king of spades.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

constexpr int kDeckSize = 52;
constexpr int kRanks = 13;

constexpr int suitOf(int card) {
    return card / kRanks;
}
constexpr int rankOf(int card) {
    return card % kRanks;
}

const std::string& cardCode(int card);
// The rank index from a code's last two characters (" 9" is 9, "12" is 12).
int rankOfCode(std::string_view code);
// The name of the face image of a card ("face0" .. "face51").
std::string faceName(int card);

// The rank table the table fills at start-up.
inline const std::array<std::string, kRanks> kRankNames{"A", "2", "3",  "4", "5", "6", "7",
                                                        "8", "9", "10", "J", "Q", "K"};
constexpr std::array<int16_t, kRanks> kRankValues{11, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};

}  // namespace korvane
