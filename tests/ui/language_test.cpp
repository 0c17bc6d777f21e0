// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of both languages where it is shown, and the switch between them.
#include <algorithm>
#include <string>
#include <vector>

#include "table/scenario.h"

namespace korvane {
namespace {

struct Shown {
    const char* where;  // a driver "get" or a box the script opens
    const char* english;
    const char* danish;
};

// One round, with every text the table writes, read back after each step.
const char* kRound =
    "get Command1.Caption\nget Command2.Caption\nget Label11.Caption\nget Label12.Caption\n"
    "get Frame4.Caption\nclick Picture1(11)\n" /* refused: the hands-off box */
    "DECK\nclick Command3\nget Label5.Caption\nwait 2000\nget Label5.Caption\nwait 1500\n"
    "get Label5.Caption\nclick Command2\nwait 1000\nget Label5.Caption\n";

TEST_F(Scenario, EveryTextAppearsInItsLanguage) {
    const Shown table[] = {
        {"Command1.Caption=", "&1  DEAL", "&1  EN TIL"},
        {"Command2.Caption=", "&2  STOP", "&2  STOP"},
        {"Label11.Caption=",
         "Korvane Rules.  Dealer will bet until 17 or more. If same score no winner. If dealer go "
         "Korvane he wins regardless player score.",
         "Korvane Regler.  Jeg satser indtil 17 eller mere. Får jeg samme score vinder ingen. Får "
         "jeg Korvane vinder jeg uanset din score."},
        {"Label12.Caption=", "BET $", "SATS $"},
        {"Frame4.Caption=", "Select Card Graphics", "Vælg Kortbagside"},
        {"box title=\"Korvane\" text=\"", "Only dealer is allowed to touch the cards!  :-P",
         "Kun kortgiveren må røre kortene TAK!  :-P"},
        {"Label5.Caption=", "Shuffling", "Blander kort"},
        {"Label5.Caption=", "Dealing", "Uddeler kort"},
        {"Label5.Caption=", "Your Turn", "Din Tur"},
    };
    const std::pair<const char*, std::pair<const char*, const char*>> results[] = {
        {"10 9 10 2", {"YOU LOSE", "DU TABTE"}},
        {"10 8 10 K", {"YOU WIN", "DU VANDT"}},
        {"10 8 10 8", {"SAME", "LIGE"}}};
    play("load\n");
    for (const bool danish : {false, true}) {
        play(danish ? "click Picture4(1)\n" : "click Picture4(0)\n");
        for (const auto& [deck, outcome] : results) {
            std::string script = kRound;
            script.replace(script.find("DECK\n"), 5, deckOf(deck));
            const std::string out = play(script);
            std::vector<std::string> expected;
            for (const Shown& s : table)
                expected.push_back(std::string(s.where) + (danish ? s.danish : s.english) +
                                   (s.where[0] == 'b' ? "\" buttons=ok icon=stop -> ok" : ""));
            expected.push_back(std::string("Label5.Caption=") +
                               (danish ? outcome.second : outcome.first));
            expectInOrder(out, expected);
        }
    }
}

TEST_F(Scenario, TextsAlreadyShownKeepTheirLanguage) {
    const std::string out = play(
        "load\nclick Picture4(1)\n" + deckOf("10 9 10 2") +
        "click Command3\nwait 3500\nget Label5.Caption\nclick Picture4(0)\nget Label5.Caption\n"
        "get Command1.Caption\nclick Command2\nwait 1000\nget Label5.Caption\n");
    expectInOrder(out, {"Label5.Caption=Din Tur", "Label5.Caption=Din Tur",
                        "Command1.Caption=&1  DEAL", "Label5.Caption=YOU LOSE"});
}

TEST_F(Scenario, ASwitchDuringTheDealChangesTheTicksThatFollow) {
    const std::string out =
        play("load\n" + deckOf("10 9 10 2") +
             "click Command3\nwait 2000\nclick Picture4(1)\nget Label5.Caption\n"
             "wait 1500\nget Label5.Caption\n");
    expectInOrder(out, {"Label5.Caption=Dealing", "Label5.Caption=Din Tur"});
}

TEST_F(Scenario, TheTextsTheGameKeepsInEnglishStayEnglish) {
    cashFile("2490\r\n0\r\n");
    const std::string out = play("load\nclick Picture4(1)\n" + deckOf("10 8 10 K") +
                                 "click Command3\nwait 3500\nclick Command2\nwait 1000\n"
                                 "dblclick Label16\n");
    expectInOrder(out, {"~increased to 500 $.", "~text=\"CHEAT MODE ON\""});
}

TEST_F(Scenario, TheRulesBoxSpeaksTheLanguageInForce) {
    play("load\n");
    BoxRequest box;  // the driver keeps no box once printed
    driver_.platform().boxes.onShow = [&box](const ShownBox& shown) { box = shown.box; };
    for (const bool danish : {false, true}) {
        play(danish ? "click Picture4(1)\nclick Label11\n" : "click Picture4(0)\nclick Label11\n");
        EXPECT_EQ(box.title, "Korvane");
        EXPECT_EQ(box.icon, BoxIcon::Information);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
        // Every box's buttons speak the language in force, in every window.
        EXPECT_EQ(box.ok + box.yes + box.no, danish ? "OKJaNej" : "OKYesNo");
        EXPECT_EQ(std::count(box.text.begin(), box.text.end(), '\r'), 10);
        EXPECT_EQ(box.text.find('\n'), std::string::npos);
        EXPECT_NE(box.text.back(), '\r');
        // The first line is a credit; the rule lines follow, then two credits.
        const std::string line1 =
            danish ? "\rGrunden til at lave dette spil var at de eneste versioner "
                     "af spillet man kan finde\rpå internettet"
                   : "\rReason I made this game, is all Korvane games for PC "
                     "seem to be ONLINE \rand with only one purpose";
        EXPECT_EQ(box.text.find(line1), box.text.find('\r'));
        // The two empty lines: after the third line and after the seventh.
        const size_t first = box.text.find("\r\r");
        const size_t second = box.text.find("\r\r", first + 2);
        EXPECT_EQ(box.text.substr(first + 2, 6), danish ? "Målet" : "The po");
        EXPECT_EQ(box.text.rfind('\r', second - 1),
                  box.text.rfind(danish ? "\rKorvane = Få 21 med 10+11 (2 kort)."
                                        : "\rKorvane = Getting 21 with only 2 cards."));
        EXPECT_EQ(box.text.find("\r\r", second + 2), std::string::npos);
    }
}

}  // namespace
}  // namespace korvane
