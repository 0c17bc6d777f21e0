// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/loan_office.h"

#include <cmath>
#include <limits>

#include "platform/number_text.h"

namespace korvane {

bool loanFits(int32_t debt) {
    return debt <= std::numeric_limits<int32_t>::max() - kLoan;
}

double repaymentFor(int32_t debt) {
    return std::floor(static_cast<double>(debt) * 1.25);
}

bool paybackOffered(int32_t debt, double cash) {
    return debt > 0 && static_cast<double>(debt) * 1.25 + 1000 < cash;
}

std::string afterLoanText(int32_t debt) {
    return "Just remember, we never forget a customer, and your dept with us is now : " +
           blankText(debt);
}

std::string afterRepaymentText(int32_t debt, double repayment) {
    return "Your dept was " + blankText(debt) + " but we added 25% to that. So that makes " +
           blankText(repayment) + "." + "\r" + "Nice doing business with you!";
}

std::string loanRefusedText(int32_t debt) {
    return "Our Casino bank lends you no more. Your dept with us is already : " + blankText(debt);
}

}  // namespace korvane
