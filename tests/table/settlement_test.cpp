// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement: cash, counts, limit tiers and the loan office at a lost last bet.
#include "table/scenario.h"

namespace korvane {
namespace {

using Settlement = Scenario;

TEST_F(Settlement, ATierIsReachedOnceAndItsMessageShown) {
    cashFile("2490\r\n0\r\n");
    std::string out = play("load\n" + won() + "get Label10.Caption\nget HScroll1.Max\n");
    expectInOrder(out,
                  {"box title=\"Korvane\" text=\"Congratulations!\\rYour max allowed betting has "
                   "been increased to 500 $.\" buttons=ok icon=information -> ok",
                   "Label10.Caption=2500", "HScroll1.Max=500"});
    out = play(won() + "get Label10.Caption\n");
    EXPECT_EQ(count(out, "box "), 0) << out;
    expectInOrder(out, {"Label10.Caption=2510"});
}

TEST_F(Settlement, OnlyTheHighestTierReachedFires) {
    cashFile("8890\r\n0\r\n");
    std::string out = play("load\nscroll HScroll1 100\n" + won() + "get HScroll1.Max\n");
    expectInOrder(out, {"~increased to 1000 $.", "HScroll1.Max=1000"});
    out = play("scroll HScroll1 1000\n" + won() + "get Label10.Caption\n" + won() +
               "get Label10.Caption\nget HScroll1.Max\nget Label9.Caption\n");
    EXPECT_EQ(count(out, "box "), 1) << out;
    expectInOrder(out, {"Label10.Caption=9990", "~increased to 2500 $.", "Label10.Caption=10990",
                        "HScroll1.Max=2500", "Label9.Caption=3"});
}

TEST_F(Settlement, LosingTheLastCashOpensTheLoanOffer) {
    cashFile("50\r\n0\r\n");
    const std::string out =
        play("load\nscroll HScroll1 50\nanswer yes\n" + lost() +
             "get Label10.Caption\nget Label15.ForeColor\nget Debt\n"
             "get Command3.Enabled\nget HScroll1.Enabled\nget Label13.Caption\n");
    expectInOrder(out, {"sound youlose.wav", "~box title=\"Korvane - Loan Shark\"",
                        "Label10.Caption=1000", "Label15.ForeColor=&H8000000F", "Debt=1000",
                        "Command3.Enabled=True", "HScroll1.Enabled=True", "Label13.Caption=50"});
}

TEST_F(Settlement, ADeclinedLoanLeavesTheDollarRedAndTheNextRoundFree) {
    cashFile("50\r\n0\r\n");
    const std::string out =
        play("load\nscroll HScroll1 50\nanswer no\n" + lost() + "get Label15.ForeColor\n" + won() +
             "get Label13.Caption\n"
             "get Label10.Caption\nget Label15.ForeColor\n");
    expectInOrder(out, {"Label15.ForeColor=&H000000FF", "Label13.Caption=0", "Label10.Caption=0",
                        "Label15.ForeColor=&H000000FF"});
}

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

TEST_F(Settlement, ALoanTakenMidRoundMakesTheBetFifty) {
    cashFile("0\r\n0\r\n");
    const std::string out = play("load\n" + deckOf("10 8 10 K") +
                                 "click Command3\nwait 3500\nget Label13.Caption\nanswer yes\n"
                                 "click Label15\nget Label13.Caption\nclick Command2\nwait 1000\n"
                                 "get Label10.Caption\nget HScroll1.Enabled\n");
    expectInOrder(out, {"Label13.Caption=0", "Label13.Caption=50", "Label10.Caption=1050",
                        "HScroll1.Enabled=True"});
}

TEST_F(Settlement, AFractionOfCashIsNeverStaked) {
    cashFile("35.5\r\n0\r\n");
    const std::string out =
        play("load\nscroll HScroll1 50\n" + lost() + "get Label13.Caption\nget Label10.Caption\n");
    expectInOrder(out, {"Label13.Caption=35", "Label10.Caption=0.5"});
    EXPECT_EQ(count(out, "box "), 0) << "0.5 is not \"0\": no loan";
}

TEST_F(Settlement, ANegativeCashStakesNothing) {
    cashFile("-20\r\n0\r\n");
    expectInOrder(play("load\n" + lost() + "get Label13.Caption\nget Label10.Caption\n"),
                  {"Label13.Caption=0", "Label10.Caption=-20"});
}

TEST_F(Settlement, DanishTextsFollowTheLanguageInForce) {
    play("load\n");
    table().Command1.caption = "&1  EN TIL";
    const std::string out =
        play(deckOf("10 9 10 2") +
             "click Command3\nget Label5.Caption\nwait 2000\n"
             "get Label5.Caption\nwait 1500\nget Label5.Caption\nclick Command2\n"
             "wait 1000\nget Label5.Caption\n");
    expectInOrder(out, {"Label5.Caption=Blander kort", "Label5.Caption=Uddeler kort",
                        "Label5.Caption=Din Tur", "Label5.Caption=DU TABTE"});
}

}  // namespace
}  // namespace korvane
