// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player is told when the cash file cannot be read or written, when
// another table already plays from it or cannot be kept out, and when its debt
// is more than the table can hold.
#include <cstdint>
#include <string>

#include "platform/services.h"
#include "ui/texts.h"

namespace korvane {

std::string cashUnreadableText(Language language, const std::string& file,
                               const std::string& reason);
std::string cashLeftUnsavedText(Language language, const std::string& file);
// Says what the failed save left behind. `later`: the table tries again each
// time the cash changes, and at the close.
std::string cashNotSavedText(Language language, const std::string& file, const std::string& reason,
                             OldFile left, bool later);
std::string tableAlreadyOpenText(Language language, const std::string& file);
// The folder takes no lock, so a second table could play from the same file.
std::string noLockText(Language language, const std::string& file);
// The lock was removed or replaced and another table plays from the file now.
std::string tableTookOverText(Language language, const std::string& file);
// The name no longer leads to the file the table read at start-up.
std::string cashFileChangedText(Language language, const std::string& file);
std::string debtCutText(Language language, const std::string& file, int32_t debt);

// A cash file the player opens: its cash and debt against the table's, and
// the question whether to take them; or why it is not taken.
struct CashAndDebt {
    std::string cash;
    int32_t debt = 0;
};
std::string openedCashQuestionText(Language language, const std::string& file,
                                   const CashAndDebt& now, const CashAndDebt& then);
std::string openedCashUnreadableText(Language language, const std::string& file,
                                     const std::string& reason);
std::string openedCashEmptyText(Language language, const std::string& file);
std::string openedCashMidRoundText(Language language, const std::string& file);

}  // namespace korvane
