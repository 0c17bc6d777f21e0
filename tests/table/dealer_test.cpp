// SPDX-License-Identifier: GPL-3.0-or-later
// The dealer's turn and the settlement it hands over to.
#include "table/scenario.h"

namespace korvane {
namespace {

std::string standAt(const std::string& ranks) {
    return deckOf(ranks) + "click Command3\nwait 3500\nclick Command2\n";
}

using DealersTurn = Scenario;

struct DealerCase {
    const char* deck;    // hole, second, player, player, then the rest
    const char* dealer;  // the dealer's final total
    int dealerLast;
    const char* outcome;
};

TEST_F(DealersTurn, DrawsOnlyWhileBehindAndBelowSeventeen) {
    const DealerCase cases[] = {
        {"10 5 10 5", "15", 1, "SAME"},            // a tie stops it
        {"10 3 10 2", "13", 1, "YOU LOSE"},        // ahead below 17
        {"A 6 10 K", "17", 1, "YOU WIN"},          // ace and six stand behind
        {"10 6 10 9 2 5", "21", 2, "YOU LOSE"},    // draws past the skipped position
        {"2 3 10 K 9 4 2 2", "13", 4, "YOU WIN"},  // five cards end it
        {"10 6 10 9 2 K", "26", 2, "YOU WIN"},     // bust
        {"9 7 10 8 2 A", "17", 2, "YOU WIN"},      // the ace comes down: 17 stands behind
    };
    play("load\n");
    for (const auto& c : cases) {
        const std::string out =
            play(standAt(c.deck) +
                 "wait 3000\nget Label4.Caption\nget DealerLast\n"
                 "get Label5.Caption\nget Timer2.Enabled\nget Command3.Enabled\n");
        expectInOrder(out, {std::string("Label4.Caption=") + c.dealer,
                            "DealerLast=" + std::to_string(c.dealerLast),
                            std::string("Label5.Caption=") + c.outcome, "Timer2.Enabled=False",
                            "Command3.Enabled=True"});
    }
}

TEST_F(DealersTurn, TheThirdCardSkipsOneDealPosition) {
    // Player stands at once: position 4 is passed over, the third card is position 5.
    std::string out = play("load\n" + deckOf("10 2 10 9 3 4 5") +
                           "click Command3\nwait 3500\nclick Command2\nwait 1000\n"
                           "get Picture1(2).Picture\nget DeckPos\nwait 1000\n");
    expectInOrder(out, {"Picture1(2).Picture=face3", "DeckPos=5"});
    // One card for the player (position 4): the dealer's third is position 6.
    out = play(deckOf("10 2 10 4 5 6 3") +
               "click Command3\nwait 3500\nclick Command1\nclick Command2\n"
               "wait 1000\nget Label3.Caption\nget Picture1(2).Picture\nget DeckPos\n");
    expectInOrder(out, {"Label3.Caption=19", "Picture1(2).Picture=face2", "DeckPos=6"});
}

TEST_F(DealersTurn, NeverDrawsAgainstAKorvaneOrABust) {
    // Korvane against 12: the first tick turns the hole card, the second settles.
    const std::string out =
        play("load\n" + deckOf("10 2 A K") +
             "click Command3\nwait 3500\nwait 500\n"
             "get Picture1(0).Picture\nget Timer3.Enabled\nwait 500\n"
             "get Timer3.Enabled\nget DealerLast\nwait 300\nget Label10.Caption\n");
    expectInOrder(out, {"Picture1(0).Picture=face9", "Timer3.Enabled=False", "Timer3.Enabled=True",
                        "DealerLast=1", "Label10.Caption=1020"});
}

TEST_F(DealersTurn, SoundsComeInTheirOrderAndOnlyWhenOn) {
    const std::string on = play("load\n" + standAt("10 9 10 8") + "wait 1000\n");
    EXPECT_EQ(on,
              "sound shuffle1.wav\nsound shuffle2.wav\nsound deal.wav\nsound deal.wav\n"
              "sound deal.wav\nsound deal.wav\nsound youlose.wav\n");
    const std::string off =
        play("check Check1 0\n" + standAt("10 9 10 8") + "click Command1\nwait 1000\n");
    EXPECT_EQ(off, "");
    const std::string push = play("check Check1 1\n" + standAt("10 8 10 8") + "wait 1000\n");
    EXPECT_EQ(push.substr(push.rfind("sound")), "sound shuffle1.wav\n");
}

}  // namespace
}  // namespace korvane
