// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_fixture.h"

#include <set>

namespace korvane {
namespace {

class Deal : public TableTest {
  protected:
    void SetUp() override { table.Form_Load(); }
};

TEST_F(Deal, BuildDeckResetsTheHandsAndListsTheCardsInOrder) {
    table.PlayerTotal = 19;
    table.PlayerDone = true;
    table.Label5.caption = "YOU WIN";
    table.BuildDeck();
    EXPECT_FALSE(table.PlayerDone);
    EXPECT_EQ(table.PlayerTotal, 0);
    EXPECT_EQ(table.DealerTotal, 0);
    EXPECT_EQ(table.DeckPos, -1);
    for (Label* l : {&table.Label3, &table.Label4, &table.Label5})
        EXPECT_EQ(l->caption, "");
    EXPECT_TRUE(table.Command1.enabled && table.Command2.enabled);
    ASSERT_EQ(table.List1.count(), 52);
    for (int n = 0; n < 52; ++n)
        EXPECT_EQ(table.List1.item(n), table.CardCode[static_cast<size_t>(n)]);
    EXPECT_EQ(table.List1.item(39), "3 0");
    table.BuildDeck();
    EXPECT_EQ(table.List1.count(), 52) << "rebuilt, not appended";
}

TEST_F(Deal, ShuffleSeedsFromTheTimeOfDayAndUsesEveryCodeOnce) {
    platform.clock.advance(1500);
    newDeck({});
    ASSERT_EQ(platform.random.seeds.size(), 1u);
    EXPECT_FLOAT_EQ(platform.random.seeds[0], 12 * 3600 + 1.5f);
    ASSERT_EQ(table.List2.count(), 52);
    std::set<std::string> codes;
    for (int p = 0; p < 52; ++p)
        codes.insert(table.List2.item(p));
    EXPECT_EQ(codes.size(), 52u);
    for (int16_t d : table.Drawn)
        EXPECT_EQ(d, 1);
}

TEST_F(Deal, TheDrawStepLaysTheNextCardFaceUpWithItsRank) {
    newDeck({12, 8, 9, 10, 51, 0});
    struct Step {
        Side side;
        int slot;
        int card;
        const char* rank;
    };
    const Step steps[] = {{Side::Dealer, 1, 12, "K"}, {Side::Player, 0, 8, "9"},
                          {Side::Player, 1, 9, "10"}, {Side::Player, 2, 10, "J"},
                          {Side::Dealer, 2, 51, "K"}, {Side::Player, 3, 0, "A"}};
    for (int position = 0; position < 6; ++position) {
        const Step& s = steps[position];
        table.drawCard(s.side, s.slot);
        EXPECT_EQ(table.DeckPos, position);
        const PictureBox& slot =
            s.side == Side::Dealer ? table.Picture1(s.slot) : table.Picture2(s.slot);
        const Label& rank = s.side == Side::Dealer ? table.Label1(s.slot) : table.Label2(s.slot);
        EXPECT_TRUE(slot.visible);
        EXPECT_EQ(slot.picture, table.Picture3(s.card).picture) << position;
        EXPECT_EQ(pictureName(slot.picture), "face" + std::to_string(s.card));
        EXPECT_EQ(rank.caption, s.rank) << position;
    }
}

TEST_F(Deal, ANewDeckDealsAgainFromPositionZero) {
    newDeck({1, 2, 3, 4});
    for (int k = 0; k < 5; ++k)
        table.drawCard(Side::Player, k);
    newDeck({30, 31});
    table.drawCard(Side::Dealer, 1);
    EXPECT_EQ(table.DeckPos, 0);
    EXPECT_EQ(pictureName(table.Picture1(1).picture), "face30");
}

}  // namespace
}  // namespace korvane
