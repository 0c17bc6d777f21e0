// SPDX-License-Identifier: GPL-3.0-or-later
// What the table shows and does while a box is open: the settlement's ticks
// behind it, and the cheat mode's peeks. The rest of the round, the settlement,
// the chooser and the switches play in the driver's scripts (tests/drive/scripts/).
#include "table/scenario.h"

namespace korvane {
namespace {

using Settlement = Scenario;

TEST_F(Settlement, TicksBehindAnOpenBoxSettleNothingTwice) {
    cashFile("2490\r\n0\r\n");
    driver_.platform().boxes.onShow = [this](const ShownBox&) {
        // The view is already settled behind the box.
        EXPECT_EQ(table().Label10.caption, "2500");
        EXPECT_EQ(table().Label9.caption, "1");
        EXPECT_EQ(table().Label5.caption, "YOU WIN");
    };
    const std::string out = play("load\nanswer ok after 5000\n" + won() +
                                 "get Label10.Caption\n"
                                 "get Label9.Caption\nget Timer3.Enabled\n" +
                                 won() + "get Label10.Caption\nget Label9.Caption\n");
    expectInOrder(out, {"Label10.Caption=2500", "Label9.Caption=1", "Timer3.Enabled=False",
                        "Label10.Caption=2510", "Label9.Caption=2"});
}

// Every box's buttons speak the language in force, in every window.
TEST_F(Settlement, ABoxsButtonsSpeakTheLanguageInForce) {
    std::vector<std::string> words;
    driver_.platform().boxes.onShow = [&](const ShownBox& shown) {
        words.push_back(shown.box.ok + shown.box.yes + shown.box.no);
    };
    play("load\nclick Label11\nclick Picture4(1)\nclick Label11\n");
    EXPECT_EQ(words, (std::vector<std::string>{"OKYesNo", "OKJaNej"}));
}

using CheatMode = Scenario;

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

}  // namespace
}  // namespace korvane
