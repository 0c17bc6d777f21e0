// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a card is called aloud, in each language of the table.
#include <string>

#include "ui/texts.h"

namespace korvane {

// Card number n (0..51) is suit n div 13 (hearts, diamonds, clubs, spades) and rank
// n mod 13 (ace, 2..10, jack, queen, king): "Ace of hearts", "Hjerter es".
std::string cardName(int card, Language language);

}  // namespace korvane
