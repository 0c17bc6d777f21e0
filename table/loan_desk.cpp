// SPDX-License-Identifier: GPL-3.0-or-later
// The loan office at the table: the "$" lends, the round start offers payback.
#include "bank/loan_office.h"
#include "platform/number_text.h"
#include "table/form1.h"

namespace korvane {

bool Form1::lendsNow() const {
    // A table that lost its cash file lends nothing: the loan could not be kept.
    return !lost_ && loanOpensFor(Label10.caption);
}

void Form1::Label15_Click() {
    // One question at a time: a second call while it is open (the settlement's,
    // say) must not lend twice.
    if (loanQuestionOpen_ || !lendsNow()) return;
    // A loan the table could not keep is never made.
    if (!cashFileUnusable_ && !keepsItsFile()) return standAside();
    if (!loanFits(Debt)) {
        msgBox(loanRefusedText(Debt), BoxButtons::Ok, BoxIcon::Stop, kLoanTitle);
        return;
    }
    loanQuestionOpen_ = true;
    const BoxAnswer answer = msgBox(kLoanQuestion, BoxButtons::YesNo, BoxIcon::None, kLoanTitle);
    if (answer == BoxAnswer::Yes) {
        Label10.caption = "1000";
        HScroll1.setValue(50);  // the bet comes down before the limit does
        HScroll1.setMax(100);
        Label15.foreColor = *Colour::fromText("&H8000000F");
        Debt += kLoan;
        keepCash();
        msgBox(afterLoanText(Debt), BoxButtons::Ok, BoxIcon::Stop);
    }
    loanQuestionOpen_ = false;
}

void Form1::PaybackOffer() {
    if (!paybackOffered(Debt, numericValue(Label10.caption))) return;
    if (msgBox(kPaybackQuestion, BoxButtons::YesNo, BoxIcon::None, kLoanTitle) != BoxAnswer::Yes)
        return;
    const double repayment = repaymentFor(Debt);
    // Saved before the receipt tells of it, so a kill while it is open keeps the
    // payment; the table shows it once the receipt is closed.
    paidUp_ = plainText(numericValue(Label10.caption) - repayment);
    keepCash();
    if (lost_) {  // not kept, so not made: the cash and the debt stay as they are
        paidUp_.reset();
        return;
    }
    msgBox(afterRepaymentText(Debt, repayment), BoxButtons::Ok, BoxIcon::None);
    Label10.caption = *paidUp_;
    Debt = 0;
    paidUp_.reset();
}

}  // namespace korvane
