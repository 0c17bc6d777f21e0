// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_fixture.h"

namespace korvane {
namespace {

class Scoring : public TableTest {
  protected:
    void SetUp() override { table.Form_Load(); }
    void playerHolds(std::initializer_list<const char*> ranks) {
        int k = 0;
        for (const char* r : ranks)
            table.Label2(k++).caption = r;
        table.PlayerLast = static_cast<int16_t>(k - 1);
        table.Command1.enabled = table.Command2.enabled = true;
        table.ScorePlayerHand();
    }
    void dealerHolds(std::initializer_list<const char*> ranks) {
        int k = 0;
        for (const char* r : ranks)
            table.Label1(k++).caption = r;
        table.DealerLast = static_cast<int16_t>(k - 1);
        table.ScoreDealerHand();
    }
};

TEST_F(Scoring, TheTurnEndsAtTwentyOneOrMore) {
    struct Case {
        std::initializer_list<const char*> ranks;
        const char* shown;
        bool ends;
    };
    const Case cases[] = {{{"10", "A"}, "21", true},      {{"A", "A"}, "12", false},
                          {{"K", "Q", "5"}, "25", true},  {{"A", "6", "10"}, "17", false},
                          {{"10", "6", "5"}, "21", true}, {{"2", "3", "2", "3", "4"}, "14", false}};
    for (const auto& c : cases) {
        table.Timer2.setEnabled(false);
        table.PlayerDone = false;
        playerHolds(c.ranks);
        EXPECT_EQ(table.Label3.caption, c.shown);
        EXPECT_EQ(table.PlayerDone, c.ends) << c.shown;
        EXPECT_EQ(table.Timer2.enabled(), c.ends) << c.shown;
        EXPECT_EQ(table.Command1.enabled, !c.ends) << c.shown;
        EXPECT_EQ(table.Command2.enabled, !c.ends) << c.shown;
    }
}

TEST_F(Scoring, TheDealerCountsItsHoleCardFaceDownOrNot) {
    dealerHolds({"K", "6"});  // the first face down: only its rank label knows it
    EXPECT_EQ(table.DealerTotal, 16);
    EXPECT_EQ(table.Label4.caption, "16");
    EXPECT_FALSE(table.Timer2.enabled()) << "the dealer's total decides nothing here";
}

TEST_F(Scoring, EmptyHandsAreWorthZero) {
    table.BuildDeck();
    table.ScoreDealerHand();
    table.ScorePlayerHand();
    EXPECT_EQ(table.Label3.caption, "0");
    EXPECT_EQ(table.Label4.caption, "0");
    EXPECT_FALSE(table.PlayerDone);
}

}  // namespace
}  // namespace korvane
