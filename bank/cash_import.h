// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cash file the player brings to a table that keeps its cash elsewhere (the
// browser's storage): read exactly as the table reads Korvane.cash at start-up,
// and taken over only when the player agrees.
#include <cstdint>
#include <string>

#include "bank/cash_file.h"
#include "bank/cash_messages.h"
#include "ui/texts.h"

namespace korvane {

struct OpenedCash {
    bool ok = false;
    std::string reason;  // why it cannot be read, in words a player can read
    CashFileContent content;
};

// The file's bytes as they came; nothing larger than a cash file can be is read.
OpenedCash readOpenedCash(const std::string& bytes);

// The cash and debt the table would hold after taking the file over: what the
// file leaves out stays as the table has it.
CashAndDebt takenOver(const CashFileContent& content, const CashAndDebt& now);

}  // namespace korvane
