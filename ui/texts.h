// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the table shows in two languages, one table per language, each text
// named after where it is shown.
#include <string>

namespace korvane {

enum class Language { English, Danish };

struct LanguageTexts {
    std::string dealCaption;     // Command1
    std::string stopCaption;     // Command2
    std::string rulesLine;       // Label11
    std::string betCaption;      // Label12
    std::string chooserCaption;  // Frame4
    std::string shuffling;       // status line at the round start
    std::string dealing;         // status line during the opening deal
    std::string yourTurn;        // status line when the player's turn begins
    std::string youWin;          // results
    std::string youLose;
    std::string same;
    std::string handsOff;  // a card clicked outside cheat mode
    std::string boxOk;     // the buttons of a message box
    std::string boxYes;
    std::string boxNo;
    // The status line of a table that can no longer save its cash, and why:
    std::string otherTable;   // another table plays from the cash file now
    std::string fileChanged;  // the cash file's name leads to another file
};

const LanguageTexts& textsFor(Language language);

// The language in force is told by the caption of Command1: English exactly when
// it reads "&1  DEAL".
Language languageOf(const std::string& command1Caption);

// Texts shown the same in both languages.
inline const std::string kTitle = "Korvane";
inline const std::string kKorvaneMark = "Korvane";

}  // namespace korvane
