// SPDX-License-Identifier: GPL-3.0-or-later
// The cash file at the table: claimed and read at start-up, written whenever the
// cash or the debt changes and at the close.
#include "bank/cash_file.h"
#include "bank/cash_messages.h"
#include "table/form1.h"

namespace korvane {

bool Form1::claimCashFile() {
    TextFiles& files = services_.files;
    const Claim claim = files.claim(kCashFileName, kLockFileName);
    if (claim == Claim::Unavailable)
        msgBox(noLockText(language(), files.location(kCashFileName)), BoxButtons::Ok,
               BoxIcon::Stop);
    if (claim != Claim::HeldElsewhere) return true;
    standsDown_ = true;
    if (raiseOpenTable && raiseOpenTable()) return false;  // the player sees the open one
    msgBox(tableAlreadyOpenText(language(), files.location(kCashFileName)), BoxButtons::Ok,
           BoxIcon::Stop);
    return false;
}

bool Form1::keepsItsFile() {
    if (lost_) return false;
    const Claim claim = services_.files.claim(kCashFileName, kLockFileName);
    if (claim == Claim::HeldElsewhere || claim == Claim::FileChanged) lost_ = claim;
    return !lost_;
}

std::string Form1::lostFileText() const {
    const std::string where = services_.files.location(kCashFileName);
    return lost_ == Claim::FileChanged ? cashFileChangedText(language(), where)
                                       : tableTookOverText(language(), where);
}

void Form1::standAside() {
    // The cash stays on the table as it is; only the way to a round is shut.
    Command3.enabled = false;
    HScroll1.enabled = false;
    const LanguageTexts& texts = textsFor(language());
    Label5.caption = lost_ == Claim::FileChanged ? texts.fileChanged : texts.otherTable;
    msgBox(lostFileText(), BoxButtons::Ok, BoxIcon::Stop);
}

void Form1::readCashFile() {
    TextFiles& files = services_.files;
    const FileLook look = files.look(kCashFileName);
    if (look.kind == FileKind::Missing) return;
    std::vector<std::string> lines;
    const FileResult read = look.kind == FileKind::Ordinary
                                ? files.readLines(kCashFileName, lines)
                                : FileResult{false, look.reason, OldFile::Untouched};
    if (!read.ok) {
        // Not a fresh start: whatever stands there must survive this run.
        cashFileUnusable_ = true;
        msgBox(cashUnreadableText(language(), files.location(kCashFileName), read.reason),
               BoxButtons::Ok, BoxIcon::Stop);
        return;
    }
    const CashFileContent content = readCashLines(lines);
    if (content.cash) Label10.caption = *content.cash;
    if (content.debt) Debt = *content.debt;
    if (content.debtCut)
        msgBox(debtCutText(language(), files.location(kCashFileName), Debt), BoxButtons::Ok,
               BoxIcon::Stop);
}

FileResult Form1::writeCashFile() {
    if (standsDown_ || cashFileUnusable_)
        return {false, "the cash file was not read at start-up", OldFile::Untouched};
    if (!keepsItsFile())
        return {false,
                lost_ == Claim::FileChanged ? "it is no longer the file read at start-up"
                                            : "another table now plays from it",
                OldFile::Untouched};
    const FileResult saved = services_.files.writeLines(
        kCashFileName, paidUp_ ? cashLines(*paidUp_, 0) : cashLines(Label10.caption, Debt));
    // A save that found another file at the name has left the claim lost.
    if (!saved.ok) keepsItsFile();
    return saved;
}

void Form1::keepCash() {
    if (standsDown_ || cashFileUnusable_ || lost_) return;  // told once already
    const FileResult saved = writeCashFile();
    if (lost_) return standAside();
    const bool tell = !saved.ok && !saveFailureTold_;
    saveFailureTold_ = !saved.ok;
    if (!tell) return;
    msgBox(cashNotSavedText(language(), services_.files.location(kCashFileName), saved.reason,
                            saved.left, true),
           BoxButtons::Ok, BoxIcon::Stop);
}

Form1::CashKeeping Form1::cashKeeping() const {
    if (standsDown_) return CashKeeping::StoodDown;
    if (cashFileUnusable_) return CashKeeping::LeftUnread;
    if (lost_) return CashKeeping::TakenOver;
    return saveFailureTold_ ? CashKeeping::LastSaveFailed : CashKeeping::Saved;
}

void Form1::Form_Unload() {
    if (standsDown_) return;
    const std::string where = services_.files.location(kCashFileName);
    if (cashFileUnusable_) {
        msgBox(cashLeftUnsavedText(language(), where), BoxButtons::Ok, BoxIcon::Stop);
        return;
    }
    const FileResult saved = writeCashFile();
    if (lost_)
        msgBox(lostFileText(), BoxButtons::Ok, BoxIcon::Stop);
    else if (!saved.ok)
        msgBox(cashNotSavedText(language(), where, saved.reason, saved.left, false), BoxButtons::Ok,
               BoxIcon::Stop);
}

}  // namespace korvane
