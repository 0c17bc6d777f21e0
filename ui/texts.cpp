// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/texts.h"

namespace korvane {
namespace {

const LanguageTexts kEnglishTexts{
    "&1  DEAL",
    "&2  STOP",
    "Korvane Rules.  Dealer will bet until 17 or more. If same score no winner. If dealer go "
    "Korvane he wins regardless player score.",
    "BET $",
    "Select Card Graphics",
    "Shuffling",
    "Dealing",
    "Your Turn",
    "YOU WIN",
    "YOU LOSE",
    "SAME",
    "Only dealer is allowed to touch the cards!  :-P",
    "OK",
    "Yes",
    "No",
    "Other table",
    "File changed",
};

const LanguageTexts kDanishTexts{
    "&1  EN TIL",
    "&2  STOP",
    "Korvane Regler.  Jeg satser indtil 17 eller mere. Får jeg samme score vinder ingen. Får jeg "
    "Korvane vinder jeg uanset din score.",
    "SATS $",
    "Vælg Kortbagside",
    "Blander kort",
    "Uddeler kort",
    "Din Tur",
    "DU VANDT",
    "DU TABTE",
    "LIGE",
    "Kun kortgiveren må røre kortene TAK!  :-P",
    "OK",
    "Ja",
    "Nej",
    "Andet bord",
    "Fil ændret",
};

}  // namespace

const LanguageTexts& textsFor(Language language) {
    return language == Language::English ? kEnglishTexts : kDanishTexts;
}

Language languageOf(const std::string& command1Caption) {
    return command1Caption == kEnglishTexts.dealCaption ? Language::English : Language::Danish;
}

}  // namespace korvane
