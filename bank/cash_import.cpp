// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_import.h"

#include "platform/text_lines.h"
#include "platform/number_text.h"

namespace korvane {

OpenedCash readOpenedCash(const std::string& bytes) {
    OpenedCash opened;
    if (bytes.size() > kLargestReadable) {
        opened.reason = "too large to be a cash file";
        return opened;
    }
    opened.ok = true;
    opened.content = readCashLines(splitLines(bytes));
    return opened;
}

CashAndDebt takenOver(const CashFileContent& content, const CashAndDebt& now) {
    return {content.cash.value_or(now.cash), content.debt.value_or(now.debt)};
}

std::string openedCashQuestion(Language language, const std::string& file, const CashAndDebt& now,
                               const CashAndDebt& then) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " har " + then.cash + " $ og en gæld på " +
               plainText(then.debt) + ".\rBordet har nu " + now.cash + " $ og en gæld på " +
               plainText(now.debt) + ".\rSkal bordet tage kassen fra filen?";
    return "The cash file " + file + " holds " + then.cash + " $ and a debt of " +
           plainText(then.debt) + ".\rThe table now holds " + now.cash + " $ and a debt of " +
           plainText(now.debt) + ".\rTake the cash from the file?";
}

std::string openedCashUnreadable(Language language, const std::string& file,
                                 const std::string& reason) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " kunne ikke læses (" + reason +
               ").\rKassen på bordet er ikke ændret.";
    return "The cash file " + file + " could not be read (" + reason +
           ").\rThe cash on the table is unchanged.";
}

std::string openedCashEmpty(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " er tom.\rKassen på bordet er ikke ændret.";
    return "The cash file " + file + " is empty.\rThe cash on the table is unchanged.";
}

}  // namespace korvane
