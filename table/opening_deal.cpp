// SPDX-License-Identifier: GPL-3.0-or-later
// The opening deal: one card a tick, the dealer's hole card face down first.
#include "cards/deck_search.h"
#include "cards/hand_value.h"
#include "table/form1.h"
#include "ui/sound_cues.h"

namespace korvane {

void Form1::StartOpeningDeal() {
    Timer1.setEnabled(true);
}

void Form1::Timer1_Timer() {
    ++DeckPos;  // the deal position of this tick's card: 0, 1, 2, 3
    Timer1.setInterval(500);
    switch (DeckPos) {
        case 0:
            dealHoleCard();
            break;
        case 1:
            layCard(Side::Dealer, 1);
            playIfSoundsOn(kDealSound);
            break;
        case 2:
            layCard(Side::Player, 0);
            playIfSoundsOn(kDealSound);
            break;
        case 3:
            dealLastCard();
            break;
        default:
            Timer1.setEnabled(false);  // a deal never has a fifth tick
    }
}

void Form1::dealHoleCard() {
    Label5.caption = textsFor(language()).dealing;
    Label1(0).caption = rankText(rankOfCode(List2.item(0)));
    // Face down under the back in use, which is what the dealer's turn looks for.
    Picture1(0).picture = Picture1(5).picture;
    Picture1(0).visible = true;
}

void Form1::dealLastCard() {
    layCard(Side::Player, 1);
    DealerLast = 1;
    PlayerLast = 1;
    playIfSoundsOn(kDealSound);
    Command1.enabled = true;
    Command2.enabled = true;
    Label5.caption = textsFor(language()).yourTurn;
    ScorePlayerHand();
    if (PlayerTotal == 21) {
        Label5.caption = kKorvaneMark;
        switchOffPlayerButtons();
        StartDealerTurn();
    } else if (handValue({Label1(0).caption, Label1(1).caption}, RankName, RankValue) == 21) {
        revealDealerKorvane();
    }
    Timer1.setEnabled(false);
}

// The dealer's two-card 21 beats any other hand, so the round ends here.
void Form1::revealDealerKorvane() {
    DealerKorvane = true;
    playIfSoundsOn(kDealSound);
    turnHoleCard();
    ScoreDealerHand();
    PlayerDone = true;
    switchOffPlayerButtons();
    StartSettlement();
}

void Form1::turnHoleCard() {
    const std::string& code = List2.item(0);
    Picture1(0).picture = Picture3(findCard(List1, code)).picture;
    Label1(0).caption = rankText(rankOfCode(code));
}

}  // namespace korvane
