// SPDX-License-Identifier: GPL-3.0-or-later
// The cash file at the table: written whenever the cash or the debt changes, so
// a kill loses nothing; told when it cannot be; one table to a file.
#include "table/scenario.h"

namespace korvane {
namespace {

class CashKeeping : public Scenario {
  protected:
    std::string onDisk() { return files_.files["Korvane.cash"]; }
    // What the cash file held as each box opened, by the start of the box's text.
    std::vector<std::string> fileAtEachBox(const std::string& script) {
        std::vector<std::string> seen;
        auto print = driver_.platform().boxes.onShow;
        driver_.platform().boxes.onShow = [&](const ShownBox& shown) {
            seen.push_back(shown.box.text.substr(0, 12) + " | " + onDisk());
            print(shown);
        };
        play(script);
        driver_.platform().boxes.onShow = print;
        return seen;
    }
};

TEST_F(CashKeeping, EverySettlementIsSavedBeforeItsBoxesOpen) {
    cashFile("2490\r\n0\r\n");
    EXPECT_EQ(fileAtEachBox("load\n" + won()),
              std::vector<std::string>{"Congratulati | 2500\r\n0\r\n"});
    play(lost());
    EXPECT_EQ(onDisk(), "2490\r\n0\r\n");
    const int writes = files_.writes;
    play(deckOf("10 8 10 8") + "click Command3\nwait 3500\nclick Command2\nwait 1000\n");
    EXPECT_EQ(files_.writes, writes + 1) << "a push is a settlement, and is saved too";
}

TEST_F(CashKeeping, ALossToNothingAndTheLoanAreSavedBeforeTheirBoxes) {
    cashFile("50\r\n0\r\n");
    EXPECT_EQ(
        fileAtEachBox("load\nscroll HScroll1 50\nanswer yes\n" + lost()),
        (std::vector<std::string>{"Want to take | 0\r\n0\r\n", "Just remembe | 1000\r\n1000\r\n"}));
}

// A repayment is in the file before its receipt opens, so a kill, or a signal's
// close while the receipt is open, keeps it; the table shows it once the
// receipt is closed.
TEST_F(CashKeeping, ARepaymentIsSavedBeforeItsReceiptOpens) {
    cashFile("5000\r\n1000\r\n");
    std::vector<std::string> atReceipt;
    auto print = driver_.platform().boxes.onShow;
    driver_.platform().boxes.onShow = [&](const ShownBox& shown) {
        if (shown.box.text.rfind("Your dept was", 0) == 0) {
            atReceipt = {onDisk(), table().Label10.caption};
            EXPECT_TRUE(table().writeCashFile().ok);  // as a signal's close saves
            atReceipt.push_back(onDisk());
        }
        print(shown);
    };
    play("load\nanswer yes\n" + deckOf("10 8 10 K") + "click Command3\n");
    EXPECT_EQ(atReceipt, (std::vector<std::string>{"3750\r\n0\r\n", "5000", "3750\r\n0\r\n"}));
    EXPECT_EQ(table().Label10.caption, "3750");
    EXPECT_EQ(table().Debt, 0);
    play("unload\n");
    EXPECT_EQ(onDisk(), "3750\r\n0\r\n");
}

TEST_F(CashKeeping, AFailedSaveIsToldOnceUntilOneGoesThroughAndAgainAtTheClose) {
    files_.unwritable.insert("Korvane.cash");
    std::string out = play("load\n" + won() + won());
    EXPECT_EQ(count(out, "could not be saved"), 1) << out;
    expectInOrder(out, {"~No cash file was made.\\rThe table tries again each time the cash "
                        "changes, and when it closes."});
    EXPECT_EQ(out.find("old file"), std::string::npos) << "there never was one";
    files_.unwritable.clear();
    play(won());
    EXPECT_EQ(onDisk(), "1030\r\n0\r\n");
    files_.unwritable.insert("Korvane.cash");
    out = play(won() + "unload\n");
    EXPECT_EQ(count(out, "could not be saved"), 2) << "after the round, and at the close";
    expectInOrder(out, {"~The old file was left as it was.\\rThe table tries again",
                        "~The old file was left as it was.\" buttons"});
}

// Any trouble looking at the file but "no such file" is told, and the file is
// never written in that run: not after a round, not at the close.
TEST_F(CashKeeping, AFileThatCouldNotBeLookedAtIsNeverReplaced) {
    cashFile("2350\r\n2000\r\n");
    files_.unusable["Korvane.cash"] = "Input/output error";
    const std::string out = play("load\n" + lost() + "unload\n");
    expectInOrder(out, {"~could not be read (Input/output error)", "sound youlose.wav",
                        "~could not be read at start-up, so it was left as it was."});
    EXPECT_EQ(files_.writes, 0);
    EXPECT_EQ(onDisk(), "2350\r\n2000\r\n");
}

// A table that can no longer keep its cash file (another table took it over, or
// its name came to lead to another file), found at a round's start or at its
// settlement, says so once, keeps the cash on the table as it is, deals no round
// it could not keep and says so again at the close; a signal's close writes nothing.
TEST_F(CashKeeping, ATableThatLostItsFileSaysSoOnceAndDealsNoMore) {
    const struct {
        std::set<std::string> MemoryFiles::*lose;
        const char* name;
        const char* box;
        const char* status;
    } causes[] = {
        {&MemoryFiles::heldElsewhere, "Korvane.lock",
         "Another table now plays from the cash file Korvane.cash, since the lock that kept it "
         "out was removed or replaced.\\rThis table no longer saves its cash there, so as not "
         "to write over the other table's.",
         "Other table"},
        {&MemoryFiles::changed, "Korvane.cash",
         "The cash file Korvane.cash is no longer the file this table read at start-up: it was "
         "moved, removed or replaced, or a link to it was changed, while the table was "
         "open.\\rThis table no longer saves its cash and deals no more rounds, so as not to "
         "write over another file. Close it, and start it again to play from the file that is "
         "there now.",
         "File changed"}};
    const std::string round = deckOf("10 8 10 K") + "click Command3\nwait 3500\n";
    for (const auto& cause : causes) {
        for (const bool atStart : {true, false}) {
            MemoryFiles files;
            files.files["Korvane.cash"] = "2490\r\n0\r\n";  // a win would raise the limit
            std::ostringstream out, err;
            Driver driver{files, out, err};
            std::istringstream load(atStart ? "load\n" : "load\n" + round);
            driver.run(load);
            (files.*cause.lose).insert(cause.name);
            std::istringstream rest((atStart ? round : "") + "click Command2\nwait 1000\n" + won() +
                                    "get Label10.Caption\nget Label5.Caption\n");
            driver.run(rest);
            const std::string shown = out.str();
            EXPECT_EQ(count(shown, cause.box), 1) << shown;
            EXPECT_EQ(count(shown, "sound youwin.wav"), atStart ? 0 : 1) << shown;
            EXPECT_EQ(count(shown, "Congratulations"), 0) << shown;
            EXPECT_EQ(count(shown, atStart ? "Label10.Caption=2490\n" : "Label10.Caption=2500\n"),
                      1);
            EXPECT_EQ(count(shown, std::string("Label5.Caption=") + cause.status + "\n"), 1);
            EXPECT_FALSE(driver.form().Command3.enabled || driver.form().HScroll1.enabled);
            EXPECT_FALSE(driver.form().writeCashFile().ok);
            std::istringstream unload("unload\n");
            driver.run(unload);
            EXPECT_EQ(count(out.str(), cause.box), 2) << "again at the close";
            EXPECT_EQ(count(out.str(), "could not be saved"), 0);
            EXPECT_EQ(err.str(), "");
            EXPECT_EQ(files.writes, 0);
        }
    }
}

// Nor does it lend: a loan it could not keep would be cash that is not there.
TEST_F(CashKeeping, ATableThatLostItsFileLendsNothing) {
    MemoryFiles files;
    files.files["Korvane.cash"] = "0\r\n0\r\n";
    std::ostringstream out, err;
    Driver driver{files, out, err};
    std::istringstream load("load\n");
    driver.run(load);
    files.heldElsewhere.insert("Korvane.lock");
    std::istringstream rest("click Label15\nclick Label15\nget Label10.Caption\n");
    driver.run(rest);
    const std::string shown = out.str();
    EXPECT_EQ(count(shown, "Another table now plays"), 1) << shown;
    EXPECT_EQ(count(shown, "Label10.Caption=0\n"), 1) << shown;
    EXPECT_EQ(driver.form().Debt, 0);
    EXPECT_FALSE(driver.form().lendsNow());
    EXPECT_EQ(files.writes, 0);
}

TEST_F(CashKeeping, AFolderThatTakesNoLockIsToldAndTheTablePlaysOn) {
    files_.unlockable.insert("Korvane.lock");
    const std::string out = play("load\n" + won() + "unload\n");
    EXPECT_EQ(count(out, "box "), 1) << out;
    expectInOrder(out, {"box title=\"Korvane\" text=\"The folder of the cash file Korvane.cash "
                        "takes no lock, so a second table could play from the same file.\\rPlay "
                        "at one table at a time there, or the cash of one of them may be lost.\" "
                        "buttons=ok icon=stop -> ok",
                        "sound youwin.wav"});
    EXPECT_EQ(onDisk(), "1010\r\n0\r\n");
}

}  // namespace
}  // namespace korvane
