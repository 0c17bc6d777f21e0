// SPDX-License-Identifier: GPL-3.0-or-later
// Valuing the two hands from the rank labels of their slots.
#include "cards/hand_value.h"
#include "platform/number_text.h"
#include "table/form1.h"

namespace korvane {
namespace {

std::vector<std::string> rankTexts(const ControlArray<Label>& labels, int last) {
    std::vector<std::string> texts;
    for (int k = 0; k <= last && k < labels.size(); ++k)
        texts.push_back(labels(k).caption);
    return texts;
}

}  // namespace

void Form1::ScorePlayerHand() {
    PlayerTotal = handValue(rankTexts(Label2, PlayerLast), RankName, RankValue);
    Label3.caption = plainText(PlayerTotal);
    if (PlayerTotal >= 21) {
        PlayerDone = true;
        switchOffPlayerButtons();
        StartDealerTurn();
    }
}

void Form1::ScoreDealerHand() {
    DealerTotal = handValue(rankTexts(Label1, DealerLast), RankName, RankValue);
    Label4.caption = plainText(DealerTotal);
}

}  // namespace korvane
