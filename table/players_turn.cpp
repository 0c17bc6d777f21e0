// SPDX-License-Identifier: GPL-3.0-or-later
// The player's turn: one more card, or stop.
#include "table/form1.h"
#include "ui/sound_cues.h"

namespace korvane {

void Form1::Command1_Click() {
    playIfSoundsOn(kDealSound);  // on every click, also one that draws nothing
    if (PlayerLast >= 4 || PlayerDone) return;
    ++PlayerLast;
    drawCard(Side::Player, PlayerLast);
    ScorePlayerHand();
    if (PlayerLast == 4) {
        // Five cards end the turn whatever they are worth.
        switchOffPlayerButtons();
        StartDealerTurn();
    }
}

void Form1::Command2_Click() {
    PlayerDone = true;
    switchOffPlayerButtons();
    StartDealerTurn();
}

void Form1::switchOffPlayerButtons() {
    Command1.enabled = false;
    Command2.enabled = false;
}

}  // namespace korvane
