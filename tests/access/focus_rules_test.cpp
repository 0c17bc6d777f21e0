// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard's focus may stand and where it goes as a round moves on,
// decided once below every window.
#include <algorithm>
#include <functional>

#include "tests/access/access_fixture.h"

namespace korvane {
namespace {

using Names = std::vector<std::string>;
const Names kSettings{"Check1", "Picture4(0)", "Picture4(1)", "Picture4(2)", "Label11"};

Names with(Names first, const Names& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST_F(AccessTest, TheTabOrderFollowsEachPhaseOfTheRound) {
    forceDeck(kPlainDeck);
    struct Phase {
        const char* name;
        std::function<void()> reach;
        Names stops;
    };
    const Phase phases[] = {
        {"idle", [this] { load(); }, with({"Command3", "HScroll1"}, kSettings)},
        {"the opening deal", [this] { press(TableKey::Space); }, kSettings},
        {"the player's turn", [this] { wait(3500); }, with({"Command1", "Command2"}, kSettings)},
        {"the chooser open",
         [this] {
             tabTo("Picture4(2)");
             press(TableKey::Space);
         },
         {"Picture1(6)", "Picture1(7)", "Picture1(8)", "Picture1(9)", "Picture1(10)"}},
        {"the dealer's turn",
         [this] {
             press(TableKey::Enter);  // the back in use again
             tabTo("Command2");
             press(TableKey::Space);
         },
         kSettings},
        {"settled", [this] { wait(5000); }, with({"Command3", "HScroll1"}, kSettings)},
    };
    for (const Phase& phase : phases) {
        phase.reach();
        EXPECT_EQ(stops(), phase.stops) << phase.name;
        // Tab goes round them in that order, and Shift+Tab back.
        Names forward, back;
        for (size_t i = 0; i < phase.stops.size(); ++i)
            forward.push_back(nameOf(access.decide(TableKey::Tab, &control(phase.stops[i])).focus));
        std::rotate(forward.rbegin(), forward.rbegin() + 1, forward.rend());
        EXPECT_EQ(forward, phase.stops) << phase.name;
        for (size_t i = 0; i < phase.stops.size(); ++i)
            back.push_back(
                nameOf(access.decide(TableKey::ShiftTab, &control(phase.stops[i])).focus));
        std::rotate(back.begin(), back.begin() + 1, back.end());
        EXPECT_EQ(back, phase.stops) << phase.name;
    }
}

TEST_F(AccessTest, TheFocusGoesWhereTheRoundNeedsItAndNeverToSounds) {
    forceDeck(kPlainDeck);
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[this] { load(); }, "Command3"},
        {[this] { press(TableKey::Space); }, "the table"},  // Start goes, nothing else takes it
        {[this] { wait(3499); }, "the table"},
        {[this] { wait(1); }, "Command1"},  // the turn begins: Deal
        {[this] { press(TableKey::Enter); }, "Command1"},
        {[this] { press(TableKey::Space); }, "Command1"},
        {[this] { press(TableKey::Tab); }, "Command2"},
        {[this] { press(TableKey::Space); }, "the table"},  // both buttons switch off
        {[this] { wait(5000); }, "Command3"},               // settled and idle: Start
    };
    int step = 0;
    for (const auto& [act, where] : steps) {
        act();
        EXPECT_EQ(nameOf(focus), where) << "step " << step++;
    }
    EXPECT_EQ(table.Label5.caption, "YOU WIN");
    EXPECT_EQ(std::count(visited.begin(), visited.end(), &table.Check1), 0);
}

TEST_F(AccessTest, TheChooserTakesTheFocusAndGivesItBack) {
    forceDeck(kPlainDeck);
    load();
    tabTo("Picture4(2)");
    press(TableKey::Space);
    EXPECT_EQ(nameOf(focus), "Picture1(10)") << "the back in use";
    press(TableKey::Enter);
    // Open through the opening deal, it keeps the focus when the turn begins, and
    // once a back is chosen the focus goes to Deal.
    tabTo("Command3");
    press(TableKey::Space);
    tabTo("Picture4(2)");
    press(TableKey::Space);
    EXPECT_EQ(nameOf(focus), "Picture1(10)");
    wait(3500);
    EXPECT_EQ(nameOf(focus), "Picture1(10)");
    press(TableKey::Home);
    press(TableKey::Space);
    EXPECT_EQ(table.Picture1(5).picture, table.Picture1(6).picture);
    EXPECT_EQ(nameOf(focus), "Command1");
}

TEST_F(AccessTest, TheLoanOfficeIsAStopOnlyWhileItWouldLend) {
    // Which cash the office lends on is the office's: here only that the "$" follows it.
    const std::pair<const char*, bool> cash[] = {{"0", true}, {"00", false}, {"10", false}};
    for (const auto& [caption, lends] : cash) {
        HeadlessPlatform platform;
        Form1 form(platform.services());
        platform.memoryFiles.files["Korvane.cash"] = std::string(caption) + "\r\n0\r\n";
        form.Form_Load();
        ASSERT_EQ(form.Label10.caption, caption);
        TableAccess keys(form);
        EXPECT_EQ(keys.isStop(form.Label15), lends) << '"' << caption << '"';
    }
    load("0\r\n0\r\n");
    press(TableKey::ShiftTab);
    ASSERT_EQ(nameOf(focus), "Label15");
    platform.boxes.queue({BoxAnswer::Yes});
    press(TableKey::Space);
    EXPECT_EQ(table.Label10.caption, "1000");
    EXPECT_EQ(table.Debt, 1000);
    EXPECT_EQ(nameOf(focus), "Command3") << "the office no longer answers; the focus moved on";
    EXPECT_EQ(stops(), with({"Command3", "HScroll1"}, kSettings));
}

TEST_F(AccessTest, TheCheatSwitchesAreNeverReached) {
    forceDeck(kPlainDeck);
    load();
    table.Label16_DblClick();  // the cheat mode on, by the mouse
    ASSERT_TRUE(table.CheatMode);
    for (const Label* cheat : {&table.Label16, &table.Label17}) {
        EXPECT_TRUE(access.secret(*cheat));
        EXPECT_FALSE(access.isStop(*cheat));
        const auto order = access.tabOrder();
        EXPECT_EQ(std::find(order.begin(), order.end(), cheat), order.end());
        for (const TableKey key : {TableKey::Space, TableKey::Enter, TableKey::Other})
            EXPECT_FALSE(access.decide(key, cheat).taken) << cheat->name();
    }
}

}  // namespace
}  // namespace korvane
