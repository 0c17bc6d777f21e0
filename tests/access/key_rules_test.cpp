// SPDX-License-Identifier: GPL-3.0-or-later
// What each key does on each kind of control, decided once below every window.
#include "tests/access/access_fixture.h"

namespace korvane {
namespace {

struct KeyCase {
    const char* on;  // the focused control; "" for the table itself
    TableKey key;
    bool taken;
    KeyDeed deed;
    const char* target;  // what is clicked or scrolled, or where the focus goes
    int value = 0;       // where the bet goes
};

// What a key comes to on the idle table: a bet of 10 between 0 and 100, the
// flags, the rules line, and the "$" that would not lend.
TEST_F(AccessTest, EachKeyOnEachKindOfControl) {
    load();
    using K = TableKey;
    using D = KeyDeed;
    const KeyCase cases[] = {
        // The table itself holds the focus.
        {"", K::Tab, true, D::Focus, "Command3"},
        {"", K::ShiftTab, true, D::Focus, "Label11"},
        {"", K::Space, false, D::None, ""},
        {"", K::Left, false, D::None, ""},
        // A button: Space and Enter click; arrows move on as Tab does.
        {"Command3", K::Space, true, D::Click, "Command3"},
        {"Command3", K::Enter, true, D::Click, "Command3"},
        {"Command3", K::Right, true, D::Focus, "HScroll1"},
        {"Command3", K::Down, true, D::Focus, "HScroll1"},
        {"Command3", K::Left, true, D::Focus, "Label11"},
        {"Command3", K::Up, true, D::Focus, "Label11"},
        {"Command3", K::PageUp, false, D::None, ""},
        {"Command3", K::Other, false, D::None, ""},
        // The check box: Space ticks it, Enter is not its key.
        {"Check1", K::Space, true, D::Click, "Check1"},
        {"Check1", K::Enter, false, D::None, ""},
        {"Check1", K::Up, true, D::Focus, "HScroll1"},
        {"Check1", K::Right, true, D::Focus, "Picture4(0)"},
        // The bet, as its scroll bar's arrows and pages move it: right and up raise it.
        {"HScroll1", K::Right, true, D::Scroll, "HScroll1", 11},
        {"HScroll1", K::Up, true, D::Scroll, "HScroll1", 11},
        {"HScroll1", K::Left, true, D::Scroll, "HScroll1", 9},
        {"HScroll1", K::Down, true, D::Scroll, "HScroll1", 9},
        {"HScroll1", K::PageUp, true, D::Scroll, "HScroll1", 20},
        {"HScroll1", K::PageDown, true, D::Scroll, "HScroll1", 0},
        {"HScroll1", K::Home, true, D::Scroll, "HScroll1", 0},
        {"HScroll1", K::End, true, D::Scroll, "HScroll1", 100},
        {"HScroll1", K::Space, false, D::None, ""},
        {"HScroll1", K::Enter, false, D::None, ""},
        // The flags and the rules line: Space and Enter click, arrows are nothing.
        {"Picture4(1)", K::Space, true, D::Click, "Picture4(1)"},
        {"Picture4(1)", K::Enter, true, D::Click, "Picture4(1)"},
        {"Picture4(1)", K::Left, false, D::None, ""},
        {"Label11", K::Enter, true, D::Click, "Label11"},
        // The "$" that would not lend takes the key and does nothing.
        {"Label15", K::Space, true, D::None, ""},
        // From anywhere: the rules, the close, the access keys of shown buttons.
        {"HScroll1", K::F1, true, D::Click, "Label11"},
        {"", K::F1, true, D::Click, "Label11"},
        {"Check1", K::CtrlQ, true, D::Close, ""},
        {"Check1", K::AltS, true, D::Click, "Command3"},
        {"Check1", K::Alt1, false, D::None, ""},  // Deal is not on the table yet
        {"Check1", K::Alt2, false, D::None, ""},
    };
    for (const KeyCase& c : cases) {
        const Widget* on = *c.on ? &control(c.on) : nullptr;
        const KeyAnswer answer = access.decide(c.key, on);
        const std::string what = std::string(c.on) + " " + nameOf(c.key);
        EXPECT_EQ(answer.taken, c.taken) << what;
        EXPECT_EQ(answer.deed, c.deed) << what;
        const bool moves = c.deed == KeyDeed::Focus;
        const bool acts = c.deed == KeyDeed::Click || c.deed == KeyDeed::Scroll;
        EXPECT_EQ(nameOf(moves ? answer.focus : on), moves ? c.target : nameOf(on)) << what;
        EXPECT_EQ(answer.focus == on, !moves) << what << ": only a move moves the focus";
        EXPECT_EQ(acts ? nameOf(answer.control) : "", acts ? c.target : "") << what;
        EXPECT_EQ(answer.value, c.value) << what;
    }
    EXPECT_EQ(table.HScroll1.value(), 10) << "deciding changes nothing";
}

TEST_F(AccessTest, TheBetStopsAtItsEnds) {
    load();
    focus = &table.HScroll1;
    const std::pair<TableKey, int> steps[] = {{TableKey::Home, 0},     {TableKey::Left, 0},
                                              {TableKey::PageDown, 0}, {TableKey::PageUp, 10},
                                              {TableKey::End, 100},    {TableKey::Right, 100},
                                              {TableKey::PageUp, 100}};
    for (const auto& [key, bet] : steps) {
        const KeyAnswer answer = press(key);
        EXPECT_EQ(table.HScroll1.value(), bet) << nameOf(key);
        EXPECT_EQ(table.Label13.caption, std::to_string(bet)) << nameOf(key);
        EXPECT_TRUE(answer.taken);
    }
    EXPECT_EQ(access.decide(TableKey::End, focus).deed, KeyDeed::None) << "already at the end";
}

// Played as a window that does not ask after each event: press() settles the focus.
TEST_F(AccessTest, TheArrowsGoRoundTheChoosersBacks) {
    table.afterEvent = nullptr;
    load();
    table.Picture4_Click(2);
    focus = access.settle(focus);
    ASSERT_EQ(nameOf(focus), "Picture1(10)");
    const std::pair<TableKey, int> steps[] = {
        {TableKey::Left, 9}, {TableKey::Right, 10}, {TableKey::Right, 6}, {TableKey::Left, 10},
        {TableKey::Home, 6}, {TableKey::End, 10},   {TableKey::Down, 6},  {TableKey::Up, 10}};
    for (const auto& [key, back] : steps) {
        EXPECT_EQ(press(key).deed, KeyDeed::Focus);
        EXPECT_EQ(nameOf(focus), "Picture1(" + std::to_string(back) + ")") << nameOf(key);
    }
    EXPECT_EQ(table.Picture1(5).picture, table.Picture1(10).picture) << "moving chooses nothing";
    press(TableKey::Left);
    press(TableKey::Enter);
    EXPECT_EQ(table.Picture1(5).picture, table.Picture1(9).picture);
    EXPECT_EQ(nameOf(focus), "Picture4(2)") << "back where the chooser was opened";
}

TEST_F(AccessTest, PressingActsOnceAPressThroughTheTablesInput) {
    load();
    focus = &table.Picture4(1);
    press(TableKey::Space);
    EXPECT_EQ(table.Command1.caption, "&1  EN TIL");
    focus = &table.Check1;
    EXPECT_EQ(press(TableKey::Space, true).deed, KeyDeed::None) << "a key held down";
    EXPECT_EQ(table.Check1.value, 1);
    press(TableKey::Space);
    EXPECT_EQ(table.Check1.value, 0);
    press(TableKey::F1);
    ASSERT_EQ(platform.boxes.shown().size(), 1u);
    EXPECT_NE(platform.boxes.shown()[0].box.text.find("Korvane"), std::string::npos);
    EXPECT_EQ(nameOf(focus), "Check1") << "the rules leave the focus where it was";
    EXPECT_EQ(press(TableKey::CtrlQ).deed, KeyDeed::Close);
    EXPECT_EQ(table.Command3.caption, "&Start") << "closing is the window's";
}

TEST_F(AccessTest, AccessKeysFollowTheButtonsCaptions) {
    forceDeck(kPlainDeck);
    load();
    press(TableKey::AltS);
    EXPECT_EQ(table.Label5.caption, "Shuffling");
    EXPECT_FALSE(access.decide(TableKey::Alt1, focus).taken) << "Deal is switched off";
    wait(3500);
    table.Picture4_Click(1);  // "&1  EN TIL" still presses Deal by Alt+1
    EXPECT_EQ(access.decide(TableKey::Alt1, focus).control, &table.Command1);
    EXPECT_EQ(access.decide(TableKey::Alt2, focus).control, &table.Command2);
    EXPECT_FALSE(access.decide(TableKey::AltS, focus).taken) << "Start is switched off";
    press(TableKey::Alt1);
    EXPECT_EQ(table.Label3.caption, "16");
}

TEST(TableKeyNames, EveryKeyHasItsOwnName) {
    for (int k = 0; k <= static_cast<int>(TableKey::Other); ++k) {
        const auto key = static_cast<TableKey>(k);
        EXPECT_EQ(tableKeyNamed(nameOf(key)), key) << nameOf(key);
    }
    EXPECT_EQ(tableKeyNamed("Escape"), std::nullopt);
    EXPECT_EQ(tableKeyNamed("tab"), std::nullopt);
}

}  // namespace
}  // namespace korvane
