// SPDX-License-Identifier: GPL-3.0-or-later
// The start button: clear the table, settle the loan if the player may, lock the
// bet within the cash, shuffle, and hand over to the opening deal.
#include <cmath>

#include "platform/number_text.h"
#include "table/form1.h"
#include "ui/sound_cues.h"

namespace korvane {

void Form1::Command3_Click() {
    // A round the table could not keep is never dealt.
    if (!cashFileUnusable_ && !keepsItsFile()) return standAside();
    DealerKorvane = false;
    Timer1.setInterval(2000);  // the first card of every round falls 2000 ms after the click
    playIfSoundsOn(kShuffleSound);
    clearCardSlots();
    PaybackOffer();
    if (lost_) return;  // the payment could not be kept: said so, and no round
    HScroll1.enabled = false;
    // Never stake more than the player has: a fraction of cash is not staked, and
    // a cash below nothing stakes nothing.
    const double cash = numericValue(Label10.caption);
    if (cash < HScroll1.value())
        HScroll1.setValue(cash < 0 ? 0 : static_cast<int>(std::floor(cash)));
    BuildDeck();
    Label5.caption = textsFor(language()).shuffling;
    ShuffleDeck();
    switchOffPlayerButtons();
    Command3.enabled = false;
    StartOpeningDeal();
    ScoreDealerHand();
    Command1.visible = true;
    Command2.visible = true;
    ScorePlayerHand();
}

}  // namespace korvane
