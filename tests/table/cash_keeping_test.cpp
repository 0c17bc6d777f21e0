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

// Another table took the lock (this one's was removed or replaced) and plays
// from the file: this table never writes over its cash, says so after the round
// it could not save and again at the close, and a signal's close writes nothing.
TEST_F(CashKeeping, ATableWhoseLockWasTakenStopsSavingAndSaysSo) {
    cashFile("1000\r\n0\r\n");
    play("load\n");
    files_.heldElsewhere.insert("Korvane.lock");
    cashFile("1010\r\n0\r\n");  // the other table's win
    const std::string out = play(won() + won() + "unload\n");
    EXPECT_EQ(count(out,
                    "Another table now plays from the cash file Korvane.cash, since the lock "
                    "that kept it out was removed or replaced.\\rThis table no longer saves "
                    "its cash there, so as not to write over the other table's."),
              2)
        << out;
    EXPECT_EQ(count(out, "could not be saved"), 0) << out;
    EXPECT_FALSE(table().writeCashFile().ok);
    EXPECT_EQ(onDisk(), "1010\r\n0\r\n");
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
