// SPDX-License-Identifier: GPL-3.0-or-later
// The dealer's turn, a step a tick: turn the hole card, then draw by the rule.
#include "cards/dealer_rule.h"
#include "table/form1.h"
#include "ui/sound_cues.h"

namespace korvane {

void Form1::StartDealerTurn() {
    Timer2.setEnabled(true);
}

void Form1::Timer2_Timer() {
    // Face down exactly while the slot shows the back in use.
    if (holeCard() == Picture1(5).picture) {
        playIfSoundsOn(kDealSound);
        turnHoleCard();
        if (peekingHole_) holeUnderPeek_ = Picture1(0).picture;
        ScoreDealerHand();
        if (dealerStops(DealerTotal, PlayerTotal, DealerStandsAt)) StartSettlement();
        return;
    }
    // Nothing to draw for against a Korvane or a hand over 21.
    if (Label5.caption == kKorvaneMark || PlayerTotal > 21) {
        StartSettlement();
        return;
    }
    if (DealerLast >= 1 && DealerLast <= 3) dealerDraws(DealerLast + 1);
}

void Form1::dealerDraws(int slot) {
    if (slot == 2) ++DeckPos;  // the dealer's third card skips a deal position
    if (dealerStops(DealerTotal, PlayerTotal, DealerStandsAt)) return;
    drawCard(Side::Dealer, slot);
    playIfSoundsOn(kDealSound);
    DealerLast = static_cast<int16_t>(slot);
    ScoreDealerHand();
    if (slot == 4 || dealerStops(DealerTotal, PlayerTotal, DealerStandsAt)) StartSettlement();
}

}  // namespace korvane
