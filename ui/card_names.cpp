// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/card_names.h"

#include <array>

namespace korvane {
namespace {

struct CardWords {
    std::array<const char*, 4> suits;
    std::array<const char*, 13> ranks;
};

const CardWords kEnglishCards{
    {"hearts", "diamonds", "clubs", "spades"},
    {"Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"},
};

const CardWords kDanishCards{
    {"Hjerter", "Ruder", "Klør", "Spar"},
    {"es", "2", "3", "4", "5", "6", "7", "8", "9", "10", "knægt", "dame", "konge"},
};

}  // namespace

std::string cardName(int card, Language language) {
    if (card < 0 || card >= 52) return {};
    const CardWords& words = language == Language::English ? kEnglishCards : kDanishCards;
    const std::string suit = words.suits[static_cast<size_t>(card / 13)];
    const std::string rank = words.ranks[static_cast<size_t>(card % 13)];
    // Danish names the suit first: "Hjerter es", "Spar konge".
    return language == Language::English ? rank + " of " + suit : suit + " " + rank;
}

}  // namespace korvane
