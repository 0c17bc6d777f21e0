// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few members the table keeps besides its controls' captions and pictures.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/card.h"
#include "platform/control.h"

namespace korvane {

struct TableState {
    std::array<std::string, kDeckSize> CardCode{};  // codes of the ordered deck
    std::array<int16_t, kDeckSize> Drawn{};         // 1 once the shuffle has placed a card
    std::array<std::string, kRanks> RankName{};
    std::array<int16_t, kRanks> RankValue{};
    int16_t DeckPos = 0;     // deal position of the last card dealt; -1 after a shuffle
    int16_t DealerLast = 0;  // slot of the dealer's last card
    int16_t PlayerLast = 0;  // slot of the player's last card
    int16_t PlayerTotal = 0;
    int16_t DealerTotal = 0;
    bool PlayerDone = false;  // the player may take no more cards this round
    int16_t DealerStandsAt = 0;
    int32_t Debt = 0;  // owed to the loan office, before its surcharge
    bool CheatMode = false;
    bool DealerKorvane = false;  // the dealer's two cards made 21 this round

    // Every member by name, arrays element by element, as the driver prints them.
    std::vector<Property> members() const;
};

}  // namespace korvane
