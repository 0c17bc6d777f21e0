// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the table, without a screen.
#include <set>

#include "table/table_fixture.h"
#include "ui/card_names.h"
#include "ui/spoken.h"

namespace korvane {
namespace {

TEST(CardNames, EachCardHasItsOwnNameInBothLanguages) {
    const struct {
        int card;
        const char* english;
        const char* danish;
    } named[] = {{0, "Ace of hearts", "Hjerter es"},  {12, "King of hearts", "Hjerter konge"},
                 {14, "2 of diamonds", "Ruder 2"},    {22, "10 of diamonds", "Ruder 10"},
                 {36, "Jack of clubs", "Klør knægt"}, {50, "Queen of spades", "Spar dame"},
                 {51, "King of spades", "Spar konge"}};
    for (const auto& n : named) {
        EXPECT_EQ(cardName(n.card, Language::English), n.english);
        EXPECT_EQ(cardName(n.card, Language::Danish), n.danish);
    }
    for (const Language language : {Language::English, Language::Danish}) {
        std::set<std::string> names;
        for (int card = 0; card < 52; ++card)
            names.insert(cardName(card, language));
        EXPECT_EQ(names.size(), 52u);
    }
    EXPECT_EQ(cardName(52, Language::English), "");
}

TEST(ShownNumber, OnlyANumberOnTheScreenIsAValue) {
    const std::pair<const char*, std::optional<double>> cases[] = {{"1000", 1000},
                                                                   {" 1000", 1000},
                                                                   {"-50", -50},
                                                                   {"2.5", 2.5},
                                                                   {"0", 0},
                                                                   {"?", std::nullopt},
                                                                   {"", std::nullopt},
                                                                   {"YOU WIN", std::nullopt},
                                                                   {"  ", std::nullopt},
                                                                   {"Korvane", std::nullopt}};
    for (const auto& [caption, value] : cases)
        EXPECT_EQ(shownNumber(caption), value) << '"' << caption << '"';
}

class Spoken : public TableTest {
  protected:
    void SetUp() override { table.Form_Load(); }
    // A round dealt from these cards: the hole card, the dealer's second, the player's two.
    void deal(std::initializer_list<int> cards) {
        forceDeck(cards);
        table.Command3_Click();
        for (int tick = 0; tick < 4; ++tick)
            table.Timer1_Timer();
    }
    korvane::Spoken of(const Widget& control) { return spokenFor(table, control); }
    // Everything the tree says, all of it in one text.
    std::string wholeTree() {
        std::string all;
        for (const Widget* w : table.widgets()) {
            const korvane::Spoken s = of(*w);
            all += s.name + "|" + s.description + "|" + (s.value ? std::to_string(*s.value) : "") +
                   "\n";
        }
        return all;
    }
};

TEST_F(Spoken, CardPlacesNameTheirCardsInTheLanguageInForce) {
    deal({51, 36, 0, 22});
    EXPECT_EQ(of(table.Picture1(1)).name, "Jack of clubs");
    EXPECT_EQ(of(table.Picture1(1)).description, "Dealer's card 2");
    EXPECT_EQ(of(table.Picture2(0)).name, "Ace of hearts");
    EXPECT_EQ(of(table.Picture2(1)).name, "10 of diamonds");
    EXPECT_EQ(of(table.Picture2(1)).role, SpokenRole::Graphic);
    EXPECT_EQ(of(table.Picture1(0)).name, "Face-down card");
    table.click(table.Picture4(1));
    EXPECT_EQ(of(table.Picture1(1)).name, "Klør knægt");
    EXPECT_EQ(of(table.Picture2(0)).name, "Hjerter es");
    EXPECT_EQ(of(table.Picture2(0)).description, "Dit kort 1");
    EXPECT_EQ(of(table.Picture1(0)).name, "Kort med bagsiden op");
    EXPECT_EQ(of(table.Label10).name, "Kontanter: 1000");
    EXPECT_EQ(of(table.Picture4(0)).name, "Engelsk");
    for (int k = 2; k < 5; ++k) {
        EXPECT_EQ(of(table.Picture1(k)).role, SpokenRole::None) << "an empty place says nothing";
        EXPECT_EQ(of(table.Picture2(k)).role, SpokenRole::None);
    }
}

TEST_F(Spoken, AFaceDownCardGivesNothingAway) {
    std::string told;
    for (const int hole : {0, 12, 25, 51}) {
        deal({hole, 20, 30, 40});
        const std::string tree = wholeTree();
        for (const Language l : {Language::English, Language::Danish})
            EXPECT_EQ(tree.find(cardName(hole, l)), std::string::npos) << tree;
        if (!told.empty()) {
            EXPECT_EQ(tree, told) << "the tree differs by the hole card " << hole;
        }
        told = tree;
    }
    // The next card of the deck is not told by the pile either.
    EXPECT_EQ(of(table.Picture1(11)).name, "Deck");
    table.Command2_Click();
    table.Timer2_Timer();  // the dealer turns its card
    EXPECT_EQ(of(table.Picture1(0)).name, "King of spades");
}

TEST_F(Spoken, ValuesFollowTheScreen) {
    EXPECT_EQ(of(table.Label5).name, "Status");
    EXPECT_EQ(of(table.Label5).value, std::nullopt);
    EXPECT_EQ(of(table.Label4).name, "Dealer's total: ?");
    EXPECT_EQ(of(table.Label4).value, std::nullopt);
    deal({9, 40, 30, 16});
    EXPECT_EQ(of(table.Label5).name, "Status: Your Turn");
    EXPECT_EQ(of(table.Label3).name, "Your total: 9");
    EXPECT_EQ(of(table.Label3).value, 9);
    EXPECT_EQ(of(table.Label4).name, "Dealer's total: 0");
    EXPECT_EQ(of(table.Label10).value, 1000);
    EXPECT_EQ(of(table.Label13).name, "Bet: 10");
    EXPECT_EQ(of(table.HScroll1).value, 10);
    EXPECT_EQ(of(table.Label9).name, "Rounds won by you: 0");
    EXPECT_EQ(of(table.Command1).name, "1  DEAL");
    EXPECT_EQ(of(table.Command1).role, SpokenRole::Button);
}

// A player who says what they see (a voice control) reaches what they press: its
// name holds the words it shows, in either language.
TEST_F(Spoken, WhatAPlayerPressesIsNamedByTheWordsItShows) {
    for (const bool danish : {false, true}) {
        if (danish) table.click(table.Picture4(1));
        const std::pair<const Widget*, std::string> pressed[] = {
            {&table.Command1, table.Command1.caption}, {&table.Command2, table.Command2.caption},
            {&table.Command3, table.Command3.caption}, {&table.Check1, table.Check1.caption},
            {&table.Label11, table.Label11.caption},   {&table.Label15, table.Label15.caption}};
        for (auto [w, shown] : pressed) {
            std::erase(shown, '&');
            const std::string name = of(*w).name;
            EXPECT_TRUE(name.starts_with(shown) || shown.starts_with(name))
                << w->name() << " shows \"" << shown << "\", named \"" << name << "\"";
        }
    }
}

TEST_F(Spoken, DecorationsHelpersAndTheCheatSwitchesSayNothing) {
    table.Label16_DblClick();  // cheat mode on: the switch shows "X", still nothing to tell
    for (const Widget* w : std::initializer_list<const Widget*>{
             &table.Label6, &table.Label7, &table.Label12, &table.Label14, &table.Label18,
             &table.Label16, &table.Label17, &table.Label1(0), &table.Label2(4), &table.Picture1(5),
             &table.Picture3(0), &table.List2})
        EXPECT_EQ(of(*w).role, SpokenRole::None) << w->name();
}

TEST_F(Spoken, TheChooserNamesItsBacksAndTheOneInUse) {
    EXPECT_EQ(of(table.Picture1(6)).role, SpokenRole::None) << "closed";
    table.click(table.Picture4(2));
    EXPECT_EQ(of(table.Frame4).name, "Select Card Graphics");
    std::set<std::string> names;
    for (int back = 6; back <= 10; ++back) {
        const korvane::Spoken s = of(table.Picture1(back));
        EXPECT_EQ(s.role, SpokenRole::Choice);
        EXPECT_EQ(s.checked, back == 10) << back;
        names.insert(s.name);
    }
    EXPECT_EQ(names.size(), 5u);
    table.click(table.Picture1(7));
    table.click(table.Picture4(2));
    EXPECT_TRUE(of(table.Picture1(7)).checked);
    EXPECT_FALSE(of(table.Picture1(10)).checked);
    EXPECT_EQ(of(table.Picture1(7)).name, "Red mosaic");
}

TEST_F(Spoken, TheRulesLineIsWholeInItsDescription) {
    table.click(table.Picture4(1));
    const korvane::Spoken rules = of(table.Label11);
    EXPECT_EQ(rules.name, "Korvane Regler");
    EXPECT_EQ(rules.description, table.Label11.caption);
    EXPECT_NE(rules.description.find("uanset din score."), std::string::npos);
}

}  // namespace
}  // namespace korvane
