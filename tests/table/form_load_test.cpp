// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_fixture.h"

namespace korvane {
namespace {

using FormLoad = TableTest;

// What the idle table shows is in the script startup; here, that it wakes nothing.
TEST_F(FormLoad, AnIdleTableWakesNoTimer) {
    table.Form_Load();
    platform.clock.advance(60000);
    EXPECT_EQ(platform.clock.ticksDelivered(), 0);
}

TEST_F(FormLoad, PlaysTheStartUpSoundEvenWithSoundsOff) {
    table.Check1.value = 0;
    table.Form_Load();
    EXPECT_EQ(platform.sound.played, std::vector<std::string>{"shuffle1.wav"});
}

struct CashCase {
    const char* file;  // nullptr: no cash file
    const char* cash;
    int32_t debt;
    int limit;
    int bet;
};

TEST_F(FormLoad, ReadsTheCashFileAndRaisesTheLimitOnlyForARichPlayer) {
    const CashCase cases[] = {{nullptr, "1000", 0, 100, 10},
                              {"2350\r\n2000\r\n", "2350", 2000, 100, 10},
                              {"50000\r\n0\r\n", "50000", 0, 10000, 1000},
                              {"49999\r\n0\r\n", "49999", 0, 100, 10},
                              {"5000\r\n0\r\n", "5000", 0, 100, 10},
                              {"abc\r\n\r\n", "abc", 0, 100, 10},
                              {"75000\r\n", "75000", 0, 10000, 1000}};
    for (const auto& c : cases) {
        HeadlessPlatform fresh;
        if (c.file) fresh.memoryFiles.files["Korvane.cash"] = c.file;
        Form1 form(fresh.services());
        form.Form_Load();
        EXPECT_EQ(form.Label10.caption, c.cash) << (c.file ? c.file : "no file");
        EXPECT_EQ(form.Debt, c.debt) << c.cash;
        EXPECT_EQ(form.HScroll1.max(), c.limit) << c.cash;
        EXPECT_EQ(form.HScroll1.value(), c.bet) << c.cash;
        EXPECT_EQ(form.Label13.caption, std::to_string(c.bet)) << c.cash;
        EXPECT_TRUE(fresh.boxes.shown().empty()) << "no message at start-up";
    }
}

// A second table first asks the open one to come to the front, and tells the
// player only when none did; either way it stands down, silent.
TEST_F(FormLoad, ASecondTableTellsThePlayerOnlyWhenTheOpenOneDidNotComeUp) {
    for (const bool cameUp : {true, false}) {
        HeadlessPlatform second;
        Form1 late{second.services()};
        second.memoryFiles.heldElsewhere.insert("Korvane.lock");
        int asked = 0;
        late.raiseOpenTable = [&asked, cameUp] {
            ++asked;
            return cameUp;
        };
        late.Form_Load();
        EXPECT_TRUE(late.standsDown()) << cameUp;
        EXPECT_EQ(asked, 1) << cameUp;
        EXPECT_EQ(second.boxes.shown().size(), cameUp ? 0u : 1u) << cameUp;
        EXPECT_TRUE(second.sound.played.empty()) << cameUp;
        late.Form_Unload();
        EXPECT_EQ(second.memoryFiles.writes, 0) << "the open table's file is left alone";
        EXPECT_EQ(second.boxes.shown().size(), cameUp ? 0u : 1u) << "and its close says nothing";
    }
    int asked = 0;
    table.raiseOpenTable = [&asked] { return ++asked > 0; };
    table.Form_Load();
    EXPECT_EQ(asked, 0) << "a table that holds the file asks no one";
    EXPECT_FALSE(table.standsDown());
}

}  // namespace
}  // namespace korvane
