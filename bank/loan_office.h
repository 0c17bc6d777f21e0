// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan office's rules: it lends 1000 at a time to a player whose cash reads
// exactly "0", and takes the debt back with 25% on top once the player can pay
// that and keep more than 1000.
#include <cstdint>
#include <string>

namespace korvane {

inline constexpr int32_t kLoan = 1000;
inline const std::string kLoanTitle = "Korvane - Loan Shark";
inline const std::string kLoanQuestion = "Want to take a loan from our Casino bank?";
inline const std::string kPaybackQuestion =
    "We can see your economy is better now. Want to pay back loan?";

// Only the text "0" itself opens the office: "00", " 0" and "0.0" do not.
inline bool loanOpensFor(const std::string& cashCaption) {
    return cashCaption == "0";
}
// The debt is 32-bit: a loan that would carry it past that range is not given.
bool loanFits(int32_t debt);
// The debt with its surcharge, cut down to a whole number; beyond 32 bits if need be.
double repaymentFor(int32_t debt);
bool paybackOffered(int32_t debt, double cash);

std::string afterLoanText(int32_t debt);
std::string afterRepaymentText(int32_t debt, double repayment);
std::string loanRefusedText(int32_t debt);

}  // namespace korvane
