// SPDX-License-Identifier: GPL-3.0-or-later
// A cash file the player opens from elsewhere: read whole, taken only on a yes,
// kept at once, and never in the middle of a round.
#include "table/table_fixture.h"

namespace korvane {
namespace {

using CashOpening = TableTest;

TEST_F(CashOpening, TakesTheFileOnlyOnAYesAndKeepsIt) {
    const struct {
        std::string bytes;
        BoxAnswer answer;
        std::string cash;
        int32_t debt;
        std::string told;  // the start of the first box
    } cases[] = {
        {"2350\r\n500\r\n", BoxAnswer::Yes, "2350", 500, "The cash file mine.cash holds 2350 $"},
        {"2350\r\n500\r\n", BoxAnswer::No, "1000", 0, "The cash file mine.cash holds 2350 $"},
        {"750", BoxAnswer::Yes, "750", 0, "The cash file mine.cash holds 750 $ and a debt of 0"},
        {"", BoxAnswer::Yes, "1000", 0, "The cash file mine.cash is empty."},
        {std::string(70000, '7'), BoxAnswer::Yes, "1000", 0,
         "The cash file mine.cash could not be read (too large to be a cash file)"},
    };
    for (const auto& c : cases) {
        HeadlessPlatform platform;
        Form1 form(platform.services());
        form.Form_Load();
        platform.boxes.forget();
        platform.boxes.queue({c.answer});
        form.openCashFile("mine.cash", c.bytes);
        ASSERT_FALSE(platform.boxes.shown().empty());
        EXPECT_EQ(platform.boxes.shown()[0].box.text.rfind(c.told, 0), 0u)
            << platform.boxes.shown()[0].box.text;
        EXPECT_EQ(form.Label10.caption, c.cash) << c.bytes.substr(0, 20);
        EXPECT_EQ(form.Debt, c.debt) << c.bytes.substr(0, 20);
        const bool taken = c.cash != "1000";
        const auto kept = platform.memoryFiles.files.find("Korvane.cash");
        ASSERT_EQ(kept != platform.memoryFiles.files.end(), taken);
        if (taken) {
            EXPECT_EQ(kept->second, c.cash + "\r\n" + std::to_string(c.debt) + "\r\n");
        }
    }
}

TEST_F(CashOpening, IsRefusedWhileARoundRuns) {
    saveCashFile("2500\r\n0\r\n");
    table.Form_Load();
    forceDeck({1, 2, 3, 4});
    table.click(table.Command3);
    for (const int64_t step : {0, 2000, 2000}) {  // shuffling, dealing, the player's turn
        platform.clock.advance(step);
        ASSERT_TRUE(table.roundRuns());
        platform.boxes.forget();
        table.openCashFile("mine.cash", "3000\r\n0\r\n");
        ASSERT_EQ(platform.boxes.shown().size(), 1u);
        EXPECT_EQ(platform.boxes.shown()[0].box.text.rfind("A round is being played.", 0), 0u);
        EXPECT_EQ(table.Label10.caption, "2500");
    }
}

}  // namespace
}  // namespace korvane
