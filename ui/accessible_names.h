// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a screen reader speaks for the table, in both languages: what each
// control is called, and the few words for what the table shows without text.
#include <string>

#include "ui/texts.h"

namespace korvane {

// The spoken name of a control, or the empty text for one that has none of its own.
const std::string& accessibleName(const std::string& controlName, Language language);
// A longer word on what a control does, or the empty text.
const std::string& accessibleDescription(const std::string& controlName, Language language);

struct SpokenWords {
    std::string faceDown;     // a card lying with its back up
    std::string dealersCard;  // a place in the dealer's row, followed by its number
    std::string yourCard;     // a place in the player's row, followed by its number
    std::string backs[5];     // the chooser's five backs, left to right
};

const SpokenWords& spokenWords(Language language);

}  // namespace korvane
