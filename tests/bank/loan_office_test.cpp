// SPDX-License-Identifier: GPL-3.0-or-later
// The loan office's rules; a loan and a declined one play in the driver's
// scripts (loan, loan_after_tier, loan_declined).
#include "bank/loan_office.h"

#include "table/table_fixture.h"

namespace korvane {
namespace {

class LoanOffice : public TableTest {
  protected:
    void SetUp() override { table.Form_Load(); }
    void answer(BoxAnswer a, int64_t afterMs = 0) { platform.boxes.queue({a, afterMs}); }
    const std::vector<ShownBox>& boxes() const { return platform.boxes.shown(); }
    // The table's cash, as the loan office reads it.
    void cashReads(std::string text) { table.Label10.caption = std::move(text); }
};

TEST_F(LoanOffice, OnlyACashOfExactlyZeroOpensIt) {
    for (const char* cash : {"00", " 0", "0.0", "1", "-5", "", "0 "}) {
        table.Label10.caption = cash;
        table.Label15_Click();
        EXPECT_TRUE(boxes().empty()) << '"' << cash << '"';
    }
}

TEST_F(LoanOffice, ASecondCallWhileTheQuestionIsOpenLendsNothing) {
    cashReads("0");
    table.Timer3.onTick = [this] { table.Label15_Click(); };
    table.Timer3.setEnabled(true);  // ticks come while the question is open
    answer(BoxAnswer::Yes, 1000);
    answer(BoxAnswer::Yes);
    table.Label15_Click();
    table.Timer3.setEnabled(false);
    EXPECT_EQ(table.Debt, 1000);
    EXPECT_EQ(table.Label10.caption, "1000");
}

TEST_F(LoanOffice, ADebtThatWouldPassThirtyTwoBitsIsNotLent) {
    cashReads("0");
    table.Debt = 2147483647 - 999;
    answer(BoxAnswer::Yes);
    table.Label15_Click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].box.text.rfind("Our Casino bank lends you no more.", 0), 0u);
    EXPECT_EQ(table.Debt, 2147483647 - 999);
    EXPECT_EQ(table.Label10.caption, "0");
    table.Debt = 2147483647 - 1000;
    answer(BoxAnswer::Yes);
    table.Label15_Click();
    EXPECT_EQ(table.Debt, 2147483647);
}

struct Payback {
    int32_t debt;
    const char* cash;
    bool offered;
    const char* cashAfter;  // on yes
    const char* told;
};

TEST_F(LoanOffice, PaybackIsOfferedOnlyWellAboveTheDebtAndItsSurcharge) {
    const Payback cases[] = {
        {1000, "2250", false, "2250", ""},
        {1000, "2251", true, "1001",
         "Your dept was  1000 but we added 25% to that. So that makes  1250.\rNice doing business "
         "with you!"},
        {3000, "10000", true, "6250", nullptr},
        {999, "5000", true, "3752",
         "Your dept was  999 but we added 25% to that. So that makes  1248.\r"
         "Nice doing business with you!"},
        {2000000000, "2600001001", true, "100001001",
         "Your dept was  2000000000 but we added 25% to that. So that makes  2500000000.\rNice "
         "doing business with you!"},
        {1000, "2300.5", true, "1050.5", nullptr},
        {0, "99999", false, "99999", ""},
        {-50, "99999", false, "99999", ""}};
    for (const auto& c : cases) {
        HeadlessPlatform fresh;
        Form1 form(fresh.services());
        form.Form_Load();
        fresh.boxes.queue({BoxAnswer::Yes, 0});
        form.Debt = c.debt;
        form.Label10.caption = c.cash;
        form.PaybackOffer();
        const auto& shown = fresh.boxes.shown();
        ASSERT_EQ(shown.size(), c.offered ? 2u : 0u) << c.cash;
        EXPECT_EQ(form.Label10.caption, c.cashAfter) << c.cash;
        EXPECT_EQ(form.Debt, c.offered ? 0 : c.debt) << c.cash;
        if (!c.offered) continue;
        EXPECT_EQ(shown[0].box.text,
                  "We can see your economy is better now. Want to pay back loan?");
        EXPECT_EQ(shown[0].box.title, "Korvane - Loan Shark");
        EXPECT_EQ(shown[0].box.buttons, BoxButtons::YesNo);
        if (c.told) {
            EXPECT_EQ(shown[1].box.text, c.told);
        }
        EXPECT_EQ(shown[1].box.title, "Korvane");
        EXPECT_EQ(shown[1].box.icon, BoxIcon::None);
    }
}

}  // namespace
}  // namespace korvane
