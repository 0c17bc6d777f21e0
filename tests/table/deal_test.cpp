// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "cards/deck_search.h"
#include "table/table_fixture.h"

namespace korvane {
namespace {

class Deal : public TableTest {
  protected:
    void SetUp() override { table.Form_Load(); }
};

// The whole dealing order of a shuffle at two times of day, as the game dealt them
// when this was written: the seed taken from the clock as ShuffleDeck takes it, and
// the seeded generator behind it. A change to either deals other games from the
// same second, and shows here.
TEST_F(Deal, AShuffleAtAKnownTimeOfDayDealsAKnownOrder) {
    struct Golden {
        int64_t msAfterNoon;  // the table's clock starts at noon
        float seed;
        std::vector<int> order;
    };
    const Golden golden[] = {
        {5825500,  // 13:37:05.5
         49025.5f,
         {23, 12, 28, 45, 42, 40, 30, 21, 50, 49, 7,  14, 16, 13, 47, 31, 41, 27,
          15, 3,  34, 44, 51, 5,  8,  19, 25, 43, 10, 11, 32, 26, 17, 4,  29, 33,
          46, 38, 2,  36, 35, 1,  37, 48, 39, 6,  18, 9,  0,  22, 24, 20}},
        {29142123,  // 20:05:42.123, which a float holds as .125
         72342.125f,
         {9, 12, 3,  16, 15, 40, 42, 43, 36, 21, 41, 44, 17, 33, 2,  19, 18, 30,
          4, 5,  10, 14, 48, 51, 13, 45, 34, 0,  39, 29, 27, 8,  38, 26, 50, 25,
          7, 32, 35, 47, 22, 6,  31, 11, 49, 24, 28, 1,  23, 20, 37, 46}}};
    for (const Golden& g : golden) {
        platform.clock.advance(g.msAfterNoon - platform.clock.now());
        platform.random.seeds.clear();
        newDeck({});
        ASSERT_EQ(platform.random.seeds.size(), 1u);
        EXPECT_EQ(platform.random.seeds[0], g.seed);
        std::vector<int> order;
        for (int p = 0; p < table.List2.count(); ++p)
            order.push_back(findCard(table.List1, table.List2.item(p), -1));
        EXPECT_EQ(order, g.order) << "seeded " << g.seed;
        for (int16_t d : table.Drawn)
            EXPECT_EQ(d, 1);
    }
}

}  // namespace
}  // namespace korvane
