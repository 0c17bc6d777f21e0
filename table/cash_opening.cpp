// SPDX-License-Identifier: GPL-3.0-or-later
// A cash file the player brings from elsewhere, and the cash file the player
// takes away: for a window that offers both (the page's two buttons).
#include "bank/cash_import.h"
#include "bank/cash_messages.h"
#include "platform/text_lines.h"
#include "table/form1.h"

namespace korvane {

// The deal and the dealer's turn run on the timers; the player's turn is the
// player's two buttons standing ready (at start-up they are hidden).
bool Form1::roundRuns() const {
    const bool turn =
        (Command1.visible && Command1.enabled) || (Command2.visible && Command2.enabled);
    return Timer1.enabled() || Timer2.enabled() || Timer3.enabled() || turn;
}

std::string Form1::cashFileBytes() const {
    return joinLines(paidUp_ ? cashLines(*paidUp_, 0) : cashLines(Label10.caption, Debt));
}

// Read whole before anything changes, taken only on a yes, and kept as every
// other change of the cash. Never while a round runs: its bet would be settled
// against a cash it was not placed from.
void Form1::openCashFile(const std::string& name, const std::string& bytes) {
    handle([&] {
        const Language language = this->language();
        if (roundRuns()) {
            msgBox(openedCashMidRoundText(language, name), BoxButtons::Ok, BoxIcon::Information);
            return;
        }
        const OpenedCash opened = readOpenedCash(bytes);
        if (!opened.ok) {
            msgBox(openedCashUnreadableText(language, name, opened.reason), BoxButtons::Ok,
                   BoxIcon::Stop);
            return;
        }
        if (!opened.content.cash) {
            msgBox(openedCashEmptyText(language, name), BoxButtons::Ok, BoxIcon::Information);
            return;
        }
        const CashAndDebt now{Label10.caption, Debt};
        const CashAndDebt then = takenOver(opened.content, now);
        if (msgBox(openedCashQuestionText(language, name, now, then), BoxButtons::YesNo,
                   BoxIcon::None) != BoxAnswer::Yes)
            return;
        Label10.caption = then.cash;
        Debt = then.debt;
        const FileResult saved = writeCashFile();
        if (!saved.ok)
            msgBox(
                cashNotSavedText(this->language(), kCashFileName, saved.reason, saved.left, true),
                BoxButtons::Ok, BoxIcon::Stop);
    });
}

}  // namespace korvane
