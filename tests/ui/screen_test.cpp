// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "table/table_fixture.h"

namespace korvane {
namespace {

// Every window draws the design's fonts with these faces at these sizes.
TEST(ScreenLook, FontsComeOutAsOneTableSays) {
    const struct {
        Font font;
        ScreenFont screen;
    } cases[] = {
        {{"MS Sans Serif", 8.25, false}, {"Liberation Sans", "MS Sans Serif", FontKind::Sans, 11}},
        {{"MS Sans Serif", 13.5, true},
         {"Liberation Sans", "MS Sans Serif", FontKind::Sans, 18, true}},
        {{"Arial", 12, true}, {"Liberation Sans", "Arial", FontKind::Sans, 16, true}},
        {{"Times New Roman", 14.25, false},
         {"Liberation Serif", "Times New Roman", FontKind::Serif, 19}},
        {{"Courier New", 9.75, false}, {"Liberation Mono", "Courier New", FontKind::Mono, 13}},
        {{"Symbol", 9, false}, {"Liberation Sans", "Symbol", FontKind::Sans, 12}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(screenFont(c.font), c.screen) << c.font.name << " " << c.font.size;
    // 15 twips a pixel, to the nearest.
    EXPECT_EQ(pixelPlace({7, 8, 10095, 8520}), (PixelPlace{0, 1, 673, 568}));
}

std::vector<std::string> namesOf(const std::vector<ShownChange>& changes) {
    std::vector<std::string> names;
    for (const ShownChange& change : changes)
        names.push_back(change.control->name());
    return names;
}

using ScreenTableTest = TableTest;

TEST_F(ScreenTableTest, ShowsWhatLiesOnTheWindowAndThenOnlyWhatChanged) {
    table.Form_Load();
    ScreenTable screen(table);
    const auto& shown = screen.controls();
    const auto has = [&](const Widget& w) {
        return std::find(shown.begin(), shown.end(), &w) != shown.end();
    };
    const std::vector<const Widget*> never{&table.Picture3(0), &table.Picture1(5), &table.Label1(0),
                                           &table.List1};
    for (const Widget* unseen : never)
        EXPECT_FALSE(has(*unseen)) << unseen->name();
    EXPECT_TRUE(has(table.Label16)) << "the cheat switch lies on the cloth";
    EXPECT_EQ(screen.update().size(), shown.size()) << "the first look tells everything";
    EXPECT_TRUE(screen.update().empty());

    table.Label5.caption = "Shuffling";
    table.Check1.value = 0;
    const auto changes = screen.update();
    ASSERT_EQ(namesOf(changes), (std::vector<std::string>{"Label5", "Check1"}));
    EXPECT_EQ(changes[0].aspects, unsigned{kShownText});
    EXPECT_EQ(changes[1].aspects, unsigned{kShownCheck});
}

TEST_F(ScreenTableTest, TakesAPictureOnlyOnceItCanBeSeen) {
    table.Form_Load();
    ScreenTable screen(table);
    screen.update();
    PictureBox& back = table.Picture1(7);
    back.picture = table.images.get("back7");
    EXPECT_TRUE(screen.update().empty()) << "the closed chooser's backs wait";
    table.Frame4.visible = true;
    const auto changes = screen.update();
    const auto at = std::find_if(changes.begin(), changes.end(),
                                 [&](const ShownChange& c) { return c.control == &back; });
    ASSERT_NE(at, changes.end());
    EXPECT_EQ(at->now->picture, back.picture);
    table.Frame4.visible = false;
    back.picture = nullptr;
    EXPECT_EQ(namesOf(screen.update()), std::vector<std::string>{"Frame4"})
        << "a hidden place keeps what it showed";
    table.Frame4.visible = true;
    EXPECT_EQ(namesOf(screen.update()), (std::vector<std::string>{"Frame4", "Picture1(7)"}));
}

}  // namespace
}  // namespace korvane
