// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told to announce after each event, for every window.
#include <algorithm>
#include <map>

#include "access/spoken_table.h"
#include "tests/access/access_fixture.h"

namespace korvane {
namespace {

class Announcements : public AccessTest {
  protected:
    // The changes of the last event, by control name.
    std::map<std::string, SpokenChange> changes() {
        std::map<std::string, SpokenChange> out;
        for (const SpokenChange& change : spoken.update())
            out.emplace(change.control->name(), change);
        return out;
    }
    SpokenTable spoken{table};
};

TEST_F(Announcements, EachEventAnnouncesWhatItChanged) {
    forceDeck(kPlainDeck);
    load();
    auto first = changes();
    EXPECT_TRUE(first.at("Command3").appeared);
    EXPECT_EQ(first.at("Label10").now.name, "Cash: 1000");
    EXPECT_FALSE(first.contains("Picture2(0)")) << "an empty place says nothing";
    EXPECT_TRUE(changes().empty()) << "nothing new, nothing told";

    table.click(table.Command3);
    auto start = changes();
    EXPECT_TRUE(start.at("Label5").name);
    EXPECT_EQ(start.at("Label5").now.name, "Status: Shuffling");
    wait(3500);
    auto dealt = changes();
    EXPECT_TRUE(dealt.at("Picture2(0)").appeared);
    EXPECT_EQ(dealt.at("Picture2(0)").now.name, "5 of clubs");
    EXPECT_EQ(dealt.at("Picture1(0)").now.name, "Face-down card") << "the hole card stays secret";
    EXPECT_TRUE(dealt.at("Label3").value);
    EXPECT_EQ(dealt.at("Label3").now.value, 9);

    table.click(table.Command1);
    table.click(table.Command1);
    table.click(table.Command2);
    wait(5000);
    auto settled = changes();
    EXPECT_EQ(settled.at("Picture1(0)").now.name, "10 of hearts") << "told as it is turned";
    EXPECT_TRUE(settled.at("Label10").value);
    EXPECT_EQ(settled.at("Label10").now.value, 1010);
    EXPECT_FALSE(settled.at("Label10").appeared);
}

TEST_F(Announcements, ChoosingABackMovesTheCheckAndClosingTheChooserSilencesIt) {
    load();
    changes();
    table.click(table.Picture4(2));
    auto opened = changes();
    EXPECT_TRUE(opened.at("Picture1(7)").appeared);
    EXPECT_TRUE(opened.at("Picture1(10)").now.checked);
    table.click(table.Picture1(7));
    auto chosen = changes();
    EXPECT_TRUE(chosen.at("Picture1(7)").went) << "the chooser closed";
    EXPECT_EQ(chosen.at("Picture1(7)").now.role, SpokenRole::None);
    table.click(table.Picture4(2));
    auto again = changes();
    EXPECT_TRUE(again.at("Picture1(7)").checked);
    EXPECT_TRUE(again.at("Picture1(7)").now.checked);
    EXPECT_FALSE(again.at("Picture1(10)").now.checked);
}


}  // namespace
}  // namespace korvane
