// SPDX-License-Identifier: GPL-3.0-or-later
// The card-back chooser and the cheat mode's peeks.
#include "table/scenario.h"

namespace korvane {
namespace {

using CardBacks = Scenario;

TEST_F(CardBacks, AChosenBackGoesOnThePileAndTheHoleCardEvenWhenTurned) {
    const std::string out = play(
        "load\nclick Picture1(8)\nclick Picture4(2)\nget Frame4.Visible\nclick Picture1(8)\n"
        "get Frame4.Visible\nget Picture1(5).Picture\nget Picture1(11).Picture\n" +
        deckOf("10 9 10 2") +
        "click Command3\nwait 2000\nget Picture1(0).Picture\nwait 1500\nclick Command2\n"
        "wait 500\nget Picture1(0).Picture\nclick Picture4(2)\nclick Picture1(6)\n"
        "get Picture1(0).Picture\nget Picture1(11).Picture\nwait 1000\n"
        "get Picture1(0).Picture\n");
    expectInOrder(out, {"Frame4.Visible=True", "Frame4.Visible=False", "Picture1(5).Picture=back8",
                        "Picture1(11).Picture=back8", "Picture1(0).Picture=back8",
                        "Picture1(0).Picture=face9", "Picture1(0).Picture=back6",
                        "Picture1(11).Picture=back6", "Picture1(0).Picture=back6"});
}

TEST_F(CardBacks, DuringTheDealersTurnTheNextTickTurnsItAgain) {
    // Dealer 10 and 2 against 19: the back chosen after the turn covers the card,
    // and the next tick turns it again and draws nothing that tick.
    const std::string out = play("load\n" + deckOf("10 2 10 9 5 3 K") +
                                 "click Command3\nwait 3500\nclick Command2\nwait 500\n"
                                 "click Picture4(2)\nclick Picture1(9)\nget Picture1(0).Picture\n"
                                 "wait 500\nget Picture1(0).Picture\nget DealerLast\nwait 500\n"
                                 "get DealerLast\n");
    expectInOrder(out, {"Picture1(0).Picture=back9", "Picture1(0).Picture=face9", "DealerLast=1",
                        "DealerLast=2"});
}

TEST_F(CardBacks, ADoubleClickOnABackChoosesItOnce) {
    const std::string out = play(
        "load\nclick Picture4(2)\ndblclick Picture1(7)\nget Frame4.Visible\n"
        "get Picture1(5).Picture\n");
    expectInOrder(out, {"Frame4.Visible=False", "Picture1(5).Picture=back7"});
    EXPECT_EQ(count(out, "box "), 0);
}

TEST_F(CardBacks, TheChooserStaysOpenAcrossRounds) {
    const std::string out = play("load\nclick Picture4(2)\n" + deckOf("10 9 10 2") +
                                 "click Command3\nwait 3500\nclick Command2\nwait 1000\n"
                                 "get Frame4.Visible\nget Frame4.Caption\n");
    expectInOrder(out, {"Frame4.Visible=True", "Frame4.Caption=Select Card Graphics"});
}

using CheatMode = Scenario;

TEST_F(CheatMode, TwoDoubleClicksTurnItOnAndOffAgain) {
    const std::string out = play(
        "load\nget Label16.Caption\ndblclick Label16\nget CheatMode\n"
        "get Label16.Caption\ndblclick Label16\nget CheatMode\n"
        "get Label16.Caption\ndblclick Label16\nget CheatMode\n");
    expectInOrder(out, {"Label16.Caption=  ",
                        "box title=\"Korvane\" text=\"CHEAT MODE ON\" buttons=ok icon=none -> ok",
                        "CheatMode=True", "Label16.Caption=X", "CheatMode=False",
                        "Label16.Caption=", "CheatMode=True"});
    EXPECT_EQ(count(out, "box "), 2) << "switching off is silent";
}

TEST_F(CheatMode, TheHiddenXSetsTheCashOnlyInCheatMode) {
    const std::string out = play(
        "load\nclick Label17\nget Label10.Caption\ndblclick Label16\n"
        "click Label17\nget Label10.Caption\nget HScroll1.Max\nget Debt\nunload\n");
    expectInOrder(out,
                  {"Label10.Caption=1000", "Label10.Caption=10000", "HScroll1.Max=100", "Debt=0"});
    EXPECT_EQ(files_.files["Korvane.cash"], "10000\r\n0\r\n");
}

TEST_F(CheatMode, PeeksShowTheRightFaceWhileTheBoxIsOpen) {
    std::vector<std::string> seen;
    size_t boxes = 0;
    driver_.platform().boxes.onShow = [&](const ShownBox& shown) {
        ++boxes;
        if (shown.box.text == "CHEATER")
            seen.push_back(pictureName(table().Picture1(0).picture) + " " +
                           pictureName(table().Picture1(11).picture));
    };
    play("load\ndblclick Label16\nclick Picture1(11)\nclick Picture1(0)\n" + deckOf("K 9 10 2 7") +
         "click Command3\nwait 3500\nclick Picture1(0)\nclick Picture1(11)\nclick Picture1(1)\n"
         "click Picture2(0)\n");
    const std::vector<std::string> expected{"none face51", "face12 back10", "back10 face6"};
    EXPECT_EQ(seen, expected) << "before the first round the pile shows the king of spades";
    EXPECT_EQ(pictureName(table().Picture1(0).picture), "back10");
    EXPECT_EQ(pictureName(table().Picture1(11).picture), "back10");
    EXPECT_EQ(boxes, 4u) << "dealer's second card and player's: nothing";
}

TEST_F(CheatMode, APeekAtACardTheDeckDoesNotHoldShowsTheAceOfHearts) {
    play("load\ndblclick Label16\n" + deckOf("10 9 10 2"));
    table().BuildDeck();
    table().ShuffleDeck();
    table().DeckPos = 60;  // nothing there: no code matches
    std::string shown;
    driver_.platform().boxes.onShow = [&](const ShownBox&) {
        shown = pictureName(table().Picture1(11).picture);
    };
    table().Picture1_Click(11);
    EXPECT_EQ(shown, "face0");
}

TEST_F(CheatMode, OutsideCheatModeTheCardsAreRefused) {
    const std::string out = play("load\n" + deckOf("10 9 10 2") +
                                 "click Command3\nwait 3500\nclick Picture1(0)\nclick Picture1(1)\n"
                                 "click Picture1(11)\nclick Picture2(0)\nclick Picture1(3)\n");
    EXPECT_EQ(
        count(out, "text=\"Only dealer is allowed to touch the cards!  :-P\" buttons=ok icon=stop"),
        3)
        << "the player's cards and the empty slots take no such click";
}

TEST_F(CheatMode, APeekHeldOpenAcrossTheDealersTickChangesNothing) {
    // Dealer king and nine against ten and two, standing: the dealer stands on 19.
    const std::string out = play(
        "load\ndblclick Label16\ndeck 12 8 9 1 20 4\nclick Command3\n"
        "wait 3500\nclick Command2\nanswer ok after 1000\nclick Picture1(0)\n"
        "get DealerLast\nget Label4.Caption\nget Label5.Caption\n"
        "get Label10.Caption\nget Picture1(2).Visible\n");
    expectInOrder(out, {"~text=\"CHEATER\"", "sound deal.wav", "sound youlose.wav", "DealerLast=1",
                        "Label4.Caption=19", "Label5.Caption=YOU LOSE", "Label10.Caption=990",
                        "Picture1(2).Visible=False"});
}

}  // namespace
}  // namespace korvane
