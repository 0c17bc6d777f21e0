// SPDX-License-Identifier: GPL-3.0-or-later
// Rounds from the start button to the settlement, phase by phase.
#include "table/scenario.h"

namespace korvane {
namespace {

// Start a round with the given deck and wait out the opening deal.
std::string dealt(const std::string& ranks) {
    return deckOf(ranks) + "click Command3\nwait 3500\n";
}

using OpeningDeal = Scenario;

TEST_F(OpeningDeal, CardsFallAtTheTimersRhythmInEveryRound) {
    for (int round = 0; round < 2; ++round) {
        const std::string out =
            play(std::string(round == 0 ? "load\n" : "") + deckOf("K 9 10 2") +
                 "click Command3\nwait 1999\nget DeckPos\nget Picture1(0).Visible\n"
                 "wait 1\nget Picture1(0).Picture\nget Label1(0).Caption\n"
                 "get Label5.Caption\nwait 499\nget Picture1(1).Visible\nwait 1\n"
                 "get Picture1(1).Picture\nwait 1000\nget DeckPos\nget Label3.Caption\n"
                 "get Label4.Caption\nget Label5.Caption\nget Command1.Enabled\n"
                 "get Timer1.Enabled\nclick Command2\nwait 800\n");
        expectInOrder(
            out, {"DeckPos=-1", "Picture1(0).Visible=False", "Picture1(0).Picture=back10",
                  "Label1(0).Caption=K", "Label5.Caption=Dealing", "Picture1(1).Visible=False",
                  "Picture1(1).Picture=face8", "DeckPos=3", "Label3.Caption=12", "Label4.Caption=0",
                  "Label5.Caption=Your Turn", "Command1.Enabled=True", "Timer1.Enabled=False"});
    }
}

TEST_F(OpeningDeal, AceAndKingIsAKorvane) {
    const std::string out =
        play("load\n" + dealt("5 2 A K") +
             "get Label3.Caption\nget Label5.Caption\nget Command1.Enabled\n"
             "get Command2.Enabled\nget Timer1.Enabled\nget Timer2.Enabled\n"
             "get PlayerDone\nwait 1500\nget Label5.Caption\nget Label10.Caption\n"
             "get Label9.Caption\nget Picture1(2).Visible\n");
    expectInOrder(out, {"Label3.Caption=21", "Label5.Caption=Korvane", "Command1.Enabled=False",
                        "Command2.Enabled=False", "Timer1.Enabled=False", "Timer2.Enabled=True",
                        "PlayerDone=True", "Label5.Caption=Korvane", "Label10.Caption=1020",
                        "Label9.Caption=1", "Picture1(2).Visible=False"});
}

TEST_F(OpeningDeal, TwoAcesAreTwelveAndThePlayerPlays) {
    expectInOrder(play("load\n" + dealt("5 2 A A") + "get Label3.Caption\nget Label5.Caption\n"),
                  {"Label3.Caption=12", "Label5.Caption=Your Turn"});
}

TEST_F(OpeningDeal, ADealersTwoCardTwentyOneEndsTheRoundAtOnce) {
    const std::string out = play(
        "load\n" + dealt("A K 10 5") +
        "get Label4.Caption\nget Picture1(0).Picture\nget PlayerDone\nget Command1.Enabled\n"
        "get DealerKorvane\nclick Command1\nwait 300\nget Label5.Caption\nget Label10.Caption\n"
        "get Label8.Caption\nget Label3.Caption\n");
    expectInOrder(out, {"Label4.Caption=21", "Picture1(0).Picture=face0", "PlayerDone=True",
                        "Command1.Enabled=False", "DealerKorvane=True", "Label5.Caption=YOU LOSE",
                        "Label10.Caption=990", "Label8.Caption=1", "Label3.Caption=15"});
    EXPECT_EQ(count(out, "sound deal.wav"), 4) << "the turned hole card is heard";
}

TEST_F(OpeningDeal, APlayersKorvaneBeatsTheDealersToo) {
    const std::string out = play("load\n" + dealt("A K A K") +
                                 "wait 1000\nget Label5.Caption\n"
                                 "get Label10.Caption\nget DealerKorvane\n");
    expectInOrder(out, {"Label5.Caption=Korvane", "Label10.Caption=1020", "DealerKorvane=False"});
}

using PlayersTurn = Scenario;

TEST_F(PlayersTurn, FiveCardsEndTheTurnWithoutPlayerDone) {
    const std::string out =
        play("load\n" + dealt("10 9 2 3 2 3 4") +
             "click Command1\nclick Command1\nclick Command1\nget Label3.Caption\n"
             "get Command1.Enabled\nget Command2.Enabled\nget PlayerDone\nget Timer2.Enabled\n"
             "get PlayerLast\n");
    expectInOrder(out, {"Label3.Caption=14", "Command1.Enabled=False", "Command2.Enabled=False",
                        "PlayerDone=False", "Timer2.Enabled=True", "PlayerLast=4"});
}

TEST_F(PlayersTurn, TwentyOneOrMoreEndsTheTurn) {
    const std::pair<const char*, const char*> hands[] = {{"10 9 10 6 5", "21"},
                                                         {"10 9 10 6 K", "26"}};
    play("load\n");
    for (const auto& [deck, total] : hands) {
        const std::string out = play(dealt(deck) +
                                     "click Command1\nget Label3.Caption\nget PlayerDone\n"
                                     "get Command1.Enabled\nget Timer2.Enabled\nwait 2000\n");
        expectInOrder(out, {std::string("Label3.Caption=") + total, "PlayerDone=True",
                            "Command1.Enabled=False", "Timer2.Enabled=True"});
    }
}

TEST_F(PlayersTurn, AFifthCardOfTwentyOneStartsTheDealerOnce) {
    const std::string out = play("load\n" + dealt("10 9 2 3 2 3 A") +
                                 "click Command1\nclick Command1\nwait 200\nclick Command1\n"
                                 "get Label3.Caption\nget PlayerDone\nwait 499\n"
                                 "get Picture1(0).Picture\nwait 1\nget Picture1(0).Picture\n");
    expectInOrder(out, {"Label3.Caption=21", "PlayerDone=True", "Picture1(0).Picture=back10",
                        "Picture1(0).Picture=face9"});
}

TEST_F(PlayersTurn, AnOverdrawnHandLosesEvenToABustDealer) {
    const std::string out =
        play("load\n" + dealt("10 6 10 6 K") +
             "click Command1\nwait 1500\nget Label4.Caption\nget Label5.Caption\n"
             "get Label10.Caption\nget DealerLast\n");
    expectInOrder(out, {"Label4.Caption=16", "Label5.Caption=YOU LOSE", "Label10.Caption=990",
                        "DealerLast=1"});
}

TEST_F(PlayersTurn, StandingAtOnceDrawsNothing) {
    expectInOrder(
        play("load\n" + dealt("10 9 10 2") + "click Command2\nget PlayerDone\nget DeckPos\n"),
        {"PlayerDone=True", "DeckPos=3"});
}

TEST_F(PlayersTurn, AnAceComesDownToKeepTheHandIn) {
    expectInOrder(play("load\n" + dealt("10 9 A 6 10") +
                       "click Command1\nget Label3.Caption\n"
                       "get Command1.Enabled\n"),
                  {"Label3.Caption=17", "Command1.Enabled=True"});
}

}  // namespace
}  // namespace korvane
