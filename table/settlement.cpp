// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement: one tick that pays or takes the bet, counts the win, raises the
// limit and, when the last of the cash is lost, opens the loan office.
#include "bank/bet_limit.h"
#include "platform/number_text.h"
#include "table/form1.h"
#include "table/outcome.h"
#include "ui/sound_cues.h"

namespace korvane {

void Form1::StartSettlement() {
    Timer3.setEnabled(true);
}

void Form1::Timer3_Timer() {
    // Ticks keep coming while the settlement's boxes are open; the round is
    // settled by the first of them only.
    if (settling_) return;
    settling_ = true;
    int bet = toInt16(numericValue(Label13.caption));
    const bool korvane = Label5.caption == kKorvaneMark;
    const Outcome outcome = outcomeOf({DealerKorvane, korvane, PlayerTotal, DealerTotal});
    if (outcome == Outcome::PlayerWins && korvane) bet *= 2;  // a Korvane pays double
    Timer2.setEnabled(false);
    const double cash = settleBet(outcome, bet, korvane);
    // Saved before any box opens, so a kill while one is open keeps the round.
    keepCash();
    // A table that could not keep this round has said so, and offers nothing more.
    const bool playsOn = !lost_;
    if (playsOn && outcome == Outcome::PlayerWins) raiseLimit(cash);
    if (playsOn && outcome == Outcome::DealerWins && Label10.caption == "0") {
        Label15.foreColor = *Colour::fromText("&H000000FF");
        Label15_Click();
    }
    Command3.enabled = playsOn;
    HScroll1.enabled = playsOn;
    Timer3.setEnabled(false);
    settling_ = false;
}

double Form1::settleBet(Outcome outcome, int bet, bool korvane) {
    switch (outcome) {
        case Outcome::PlayerWins:
            return playerWins(bet, korvane);
        case Outcome::DealerWins:
            dealerWins(bet);
            break;
        case Outcome::Push:
            Label5.caption = textsFor(language()).same;
            playIfSoundsOn(kPushSound);  // after its text, unlike the other two
            break;
    }
    return numericValue(Label10.caption);
}

double Form1::playerWins(int bet, bool korvane) {
    playIfSoundsOn(kWinSound);
    if (!korvane) Label5.caption = textsFor(language()).youWin;
    const double cash = numericValue(Label10.caption) + bet;
    Label10.caption = plainText(cash);
    Label9.caption = plainText(numericValue(Label9.caption) + 1);
    return cash;
}

void Form1::raiseLimit(double cash) {
    for (const LimitTier& tier : kLimitTiers) {
        if (!tierReached(tier, cash, HScroll1.max())) continue;
        HScroll1.setMax(tier.limit);
        msgBox(limitRaisedText(tier.limit), BoxButtons::Ok, BoxIcon::Information);
    }
}

void Form1::dealerWins(int bet) {
    playIfSoundsOn(kLoseSound);
    Label5.caption = textsFor(language()).youLose;
    Label10.caption = plainText(numericValue(Label10.caption) - bet);
    Label8.caption = plainText(numericValue(Label8.caption) + 1);
}

}  // namespace korvane
