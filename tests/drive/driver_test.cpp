// SPDX-License-Identifier: GPL-3.0-or-later
// What the driver's scripts cannot show; the rest is in scripts/.
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
