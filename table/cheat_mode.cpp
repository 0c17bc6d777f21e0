// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden cheat switch and the unseen "X" that sets the cash.
#include "table/form1.h"

namespace korvane {
namespace {

const std::string kCheatMark = "X";

}  // namespace

void Form1::Label16_DblClick() {
    CheatMode = !CheatMode;
    if (!CheatMode) {
        Label16.caption = "";
        return;
    }
    Label16.caption = kCheatMark;
    msgBox("CHEAT MODE ON", BoxButtons::Ok, BoxIcon::None);
}

void Form1::Label17_Click() {
    if (CheatMode) Label10.caption = "10000";
}

}  // namespace korvane
