// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules_text.h"

#include <array>

namespace korvane {
namespace {

struct RulesLines {
    std::string credit1;
    std::array<std::string, 6> rules;
    std::string credit2, credit3;
};

const RulesLines kEnglishRules{
    "Korvane plays 21 by the rules of the old card tables.",
    {"Reason I made this game, is all Korvane games for PC seem to be ONLINE ",
     "and with only one purpose: To steal REAL cash from online gamers worldwide.",
     "The point of Korvane is to get closer to 21 than the dealer.",
     "If you get over 21 you lose. If you get Korvane (21) you win no matter what.",
     "If dealer get Korvane, he wins even if you get 21 (unless you get Korvane).",
     "Korvane = Getting 21 with only 2 cards."},
    "Written in 2026 for the Linux desktop.",
    "Korvane is free: copy it and share it with anyone.",
};

const RulesLines kDanishRules{
    "Korvane spiller 21 efter reglerne fra de gamle spilleborde.",
    {"Grunden til at lave dette spil var at de eneste versioner af spillet man kan finde",
     "på internettet, lader til at være for kommercielle firmaer der ripper folk penge.",
     "Målet med Korvane er at komme nærmere 21 end kortgiveren.",
     "Får du over 21 taber du. Får du Korvane (21 med 2 kort) vinder du uanset hvad.",
     "Får kortgiver Korvane, vinder han selv om du har summen 21 med 3 eller flere kort.",
     "Korvane = Få 21 med 10+11 (2 kort)."},
    "Skrevet i 2026 til Linux-skrivebordet.",
    "Korvane er gratis: kopier det og del det med hvem som helst.",
};

}  // namespace

std::string rulesMessage(Language language) {
    const RulesLines& l = language == Language::English ? kEnglishRules : kDanishRules;
    const std::string br = "\r";
    return l.credit1 + br + l.rules[0] + br + l.rules[1] + br + br + l.rules[2] + br + l.rules[3] +
           br + l.rules[4] + br + l.rules[5] + br + br + l.credit2 + br + l.credit3;
}

}  // namespace korvane
