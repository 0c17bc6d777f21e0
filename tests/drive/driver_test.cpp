// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "drive/words.h"

namespace korvane {
namespace {

class DriverTest : public ::testing::Test {
  protected:
    std::string run(const std::string& script) {
        std::istringstream in(script);
        out.str("");
        err.str("");
        driver.run(in);
        return out.str();
    }
    MemoryFiles files;
    std::ostringstream out, err;
    Driver driver{files, out, err};
};

TEST_F(DriverTest, GetPrintsPropertiesAndMembersUntrimmed) {
    EXPECT_EQ(run("load\nget Label16.Caption\nget Command1.Visible\nget Label15.ForeColor\n"
                  "get Picture1(11).Picture\nget HScroll1.Max\nget DeckPos\nget PlayerDone\n"
                  "get Timer1.Interval\nget Label3.Caption\n"),
              "sound shuffle1.wav\nLabel16.Caption=  \nCommand1.Visible=False\n"
              "Label15.ForeColor=&H00008000\nPicture1(11).Picture=back10\nHScroll1.Max=100\n"
              "DeckPos=0\nPlayerDone=False\nTimer1.Interval=2000\nLabel3.Caption=?\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(DriverTest, BadInputIsAnErrorAndTheDriverGoesOn) {
    const char* bad[] = {"fly away",
                         "click Nothing",
                         "get Label3.Colour",
                         "get NoSuch",
                         "scroll HScroll1 ten",
                         "scroll Check1 5",
                         "check Check1 2",
                         "wait -1",
                         "wait 99999999999999999999",
                         "answer maybe",
                         "answer yes after x",
                         "deck 1 1",
                         "deck 52",
                         "deck -1",
                         "get",
                         "load",
                         "click"};
    run("load\n");
    for (const char* line : bad) {
        err.str("");
        run(std::string(line) + "\n");
        EXPECT_EQ(err.str().rfind("error: ", 0), 0u) << line;
    }
    EXPECT_EQ(run("get Label10.Caption\n"), "Label10.Caption=1000\n");
}

TEST_F(DriverTest, NothingActsBeforeLoadOrAfterUnload) {
    run("unload\nclick Check1\n");
    EXPECT_NE(err.str().find("not loaded"), std::string::npos);
    EXPECT_TRUE(files.files.empty()) << "an unread cash file is never overwritten";
    run("load\nunload\nclick Check1\nunload\n");
    EXPECT_NE(err.str().find("closed"), std::string::npos);
    EXPECT_EQ(files.files["Korvane.cash"], "1000\r\n0\r\n");
}

TEST_F(DriverTest, InputActsAsAUsersWould) {
    EXPECT_EQ(run("load\nscroll HScroll1 250\nget Label13.Caption\nscroll HScroll1 -3\n"
                  "get HScroll1.Value\ncheck Check1 0\nget Check1.Value\nclick Check1\n"
                  "get Check1.Value\ndblclick Check1\nget Check1.Value\n"),
              "sound shuffle1.wav\nLabel13.Caption=100\nHScroll1.Value=0\nCheck1.Value=0\n"
              "Check1.Value=1\nCheck1.Value=1\n");
    // Nothing outside the window or hidden takes a click.
    run("click Picture3(0)\nclick Picture1(6)\nclick Command1\nclick List1\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(DriverTest, DeckFeedsTheNextShuffle) {
    run("load\ndeck 51 0 13 26\n");
    driver.form().BuildDeck();
    driver.form().ShuffleDeck();
    const std::string expected[] = {"3 12", "0 0", "1 0", "2 0"};
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(driver.form().List2.item(p), expected[p]);
    run("deck 3 3\n");
    EXPECT_TRUE(driver.platform().random.queued.empty()) << "a bad deck leaves the shuffle random";
}

TEST_F(DriverTest, BoxesPrintAsTheyOpenWithEscapedTexts) {
    run("answer yes after 100\n");
    driver.platform().boxes.show({"Your dept was  1000 \"x\"\r\\Nice", "Korvane - Loan Shark",
                                  BoxButtons::YesNo, BoxIcon::None});
    driver.platform().boxes.show({"CHEATER", "Korvane", BoxButtons::Ok, BoxIcon::Stop});
    EXPECT_EQ(
        out.str(),
        "box title=\"Korvane - Loan Shark\" text=\"Your dept was  1000 \\\"x\\\"\\r\\\\Nice\" "
        "buttons=yesno icon=none -> yes\n"
        "box title=\"Korvane\" text=\"CHEATER\" buttons=ok icon=stop -> ok\n");
    EXPECT_EQ(driver.platform().clock.now(), 100);
}

TEST_F(DriverTest, StatePrintsEveryControlAndMemberOnALine) {
    const std::string state = run("load\nstate\n");
    for (const char* line :
         {"\nForm1.Caption=Korvane\n", "\nForm1.Width=10515\n", "\nFrame4.Visible=False\n",
          "\nPicture3(51).Picture=face51\n", "\nLabel5.Caption=\n", "\nTimer2.Enabled=False\n",
          "\nDebt=0\n", "\nCheatMode=False\n", "\nRankName(12)=K\n", "\nRankValue(0)=11\n"})
        EXPECT_NE(state.find(line), std::string::npos) << line;
}

// Any span the table's clock holds is one command; any whole number text moves
// the bet to its nearer end, however long.
TEST_F(DriverTest, LongWaitsAndHugeNumbersAreTaken) {
    run("load\nwait 99999999\nanswer ok after 90000000\n");
    driver.platform().boxes.show({"x", "Korvane", BoxButtons::Ok, BoxIcon::None});
    run("wait 1000000000000\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(driver.platform().clock.now(), 99999999 + 90000000 + 1000000000000);
    EXPECT_EQ(run("scroll HScroll1 99999999999999999999\nget Label13.Caption\n"
                  "scroll HScroll1 -99999999999999999999999999\nget Label13.Caption\n"),
              "Label13.Caption=100\nLabel13.Caption=0\n");
    EXPECT_EQ(err.str(), "");
    run("wait 4611686018427387905\n");
    EXPECT_NE(err.str().find("4611686018427387904"), std::string::npos) << "the limit is told";
}

// The driver prints each sound and box as it happens and keeps none of them, so a
// script of any length runs in the same memory.
TEST_F(DriverTest, KeepsNothingOnceItIsPrinted) {
    std::string rounds = "load\n";
    for (int r = 0; r < 20; ++r)
        rounds += "click Command3\nwait 3500\nclick Command2\nwait 3000\nclick Label11\n";
    const std::string printed = run(rounds);
    EXPECT_NE(printed.find("box title="), std::string::npos);
    EXPECT_NE(printed.find("sound "), std::string::npos);
    EXPECT_TRUE(driver.platform().boxes.shown().empty());
    EXPECT_TRUE(driver.platform().sound.played.empty());
    EXPECT_TRUE(driver.platform().random.seeds.empty());
}

TEST(Words, WholeNumbersOnly) {
    EXPECT_EQ(wholeNumber("42"), 42);
    EXPECT_EQ(wholeNumber("-7"), -7);
    EXPECT_EQ(wholeNumber("+7"), 7);
    for (const char* bad :
         {"", "+", "-", "4 2", "4.2", "1e3", "+-3", "12x", "99999999999999999999"})
        EXPECT_FALSE(wholeNumber(bad)) << bad;
    EXPECT_EQ(saturatedNumber("99999999999999999999"), INT64_MAX);
    EXPECT_EQ(saturatedNumber("-99999999999999999999"), INT64_MIN);
    for (const char* bad : {"", "-", "+", "1e99", "9999999999999999999x", "--9"})
        EXPECT_FALSE(saturatedNumber(bad)) << bad;
}

}  // namespace
}  // namespace korvane
