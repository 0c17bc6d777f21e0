// SPDX-License-Identifier: GPL-3.0-or-later
// Building, shuffling and dealing the deck.
#include "cards/deck_search.h"
#include "cards/shuffle.h"
#include "table/form1.h"

namespace korvane {

void Form1::BuildDeck() {
    PlayerDone = false;
    Command1.enabled = true;
    Command2.enabled = true;
    PlayerTotal = 0;
    DealerTotal = 0;
    Label3.caption = "";
    Label4.caption = "";
    Label5.caption = "";
    DeckPos = -1;
    List1.clear();
    for (int card = 0; card < kDeckSize; ++card)
        CardCode[static_cast<size_t>(card)] = cardCode(card);
    for (const std::string& code : CardCode)
        List1.addItem(code);
}

void Form1::ShuffleDeck() {
    List2.clear();
    services_.random.seed(static_cast<float>(services_.clock.secondsSinceMidnight()));
    for (int card : shuffledOrder(services_.random, Drawn))
        List2.addItem(List1.item(card));
}

// All ten card slots hidden and their rank labels emptied; the faces stay behind
// in the hidden slots until a card is next laid there.
void Form1::clearCardSlots() {
    for (int k = 0; k < 5; ++k) {
        Picture1(k).visible = false;
        Picture2(k).visible = false;
        Label1(k).caption = "";
        Label2(k).caption = "";
    }
}

void Form1::drawCard(Side side, int slot) {
    ++DeckPos;
    layCard(side, slot);
}

void Form1::layCard(Side side, int slot) {
    const std::string& code = List2.item(DeckPos);
    const int card = findCard(List1, code);
    Label& rankLabel = side == Side::Dealer ? Label1(slot) : Label2(slot);
    rankLabel.caption = rankText(rankOfCode(code));
    PictureBox& place = side == Side::Dealer ? Picture1(slot) : Picture2(slot);
    place.picture = Picture3(card).picture;
    place.visible = true;
}

const std::string& Form1::rankText(int rank) const {
    static const std::string kNone;
    return rank >= 0 && rank < kRanks ? RankName[static_cast<size_t>(rank)] : kNone;
}

}  // namespace korvane
