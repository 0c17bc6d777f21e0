// SPDX-License-Identifier: GPL-3.0-or-later
// The dealer's cards, the deck pile and the five backs of the chooser.
#include "cards/deck_search.h"
#include "table/form1.h"

namespace korvane {

void Form1::Picture1_Click(int index) {
    const bool tableCard = (index >= 0 && index <= 4) || index == 11;
    if (tableCard && !CheatMode) {
        msgBox(textsFor(language()).handsOff, BoxButtons::Ok, BoxIcon::Stop);
    } else if (index == 0) {
        peek(Picture1(0), List2.item(0));
    } else if (index == 11) {
        // Before the first round both lists are empty and every empty entry matches.
        peek(Picture1(11), List2.item(DeckPos + 1));
    } else if (index >= 6 && index <= 10) {
        Picture1(5).picture = Picture1(index).picture;
        Picture1(11).picture = Picture1(5).picture;
        Picture1(0).picture = Picture1(5).picture;  // even over a hole card already turned
        Frame4.visible = false;
    }
}

void Form1::Picture2_Click(int) {}

void Form1::peek(PictureBox& place, const std::string& code) {
    const bool hole = &place == &Picture1(0);
    if (hole) {
        // The dealer's turn goes on behind the box and must see the hole card as
        // it lay before the peek, not the face the peek shows.
        holeUnderPeek_ = Picture1(0).picture;
        peekingHole_ = true;
    }
    place.picture = Picture3(findCard(List1, code)).picture;
    msgBox("CHEATER", BoxButtons::Ok, BoxIcon::None);
    if (hole) peekingHole_ = false;
    place.picture = Picture1(5).picture;
}

Picture Form1::holeCard() const {
    return peekingHole_ ? holeUnderPeek_ : Picture1(0).picture;
}

}  // namespace korvane
