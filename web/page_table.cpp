// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_table.h"

#include <cstdlib>
#include <sstream>

#include "bank/cash_import.h"
#include "bank/cash_messages.h"
#include "web/page_bridge.h"

namespace korvane {
namespace {

std::string storageNote(Language language, int state) {
    const bool danish = language == Language::Danish;
    if (state == 2)
        return danish
                   ? "Browseren gemmer intet for denne side: kassen går tabt, når siden lukker."
                   : "This browser keeps nothing for this page: the cash is lost when it closes.";
    return danish ? "Kassen gemmes i denne browser." : "The cash is kept in this browser.";
}

}  // namespace

PageTable::PageTable()
    : boxes_(timers_, [this] { return form_.language(); }),
      form_(Services{boxes_, sound_, files_, random_, timers_, timers_}) {}

void PageTable::run() {
    // The table is first shown once its start-up has sized the window, so nothing
    // that lies outside it is ever seen; a box at start-up opens over an empty page.
    form_.Form_Load();
    if (form_.standsDown()) {
        // The page stays, as a browser's tab cannot close itself: it says why it is empty.
        const std::string told = tableAlreadyOpenText(form_.language(), kCashFileName);
        page::tellStorage(told.substr(0, told.find('\r')));
        page::standDown();
        return;
    }
    view_ = std::make_unique<PageView>(form_);
    access_ = std::make_unique<PageAccess>(form_);
    form_.afterEvent = [this] {
        view_->refresh();
        access_->refresh();
    };
    form_.afterEvent();
    for (Widget* widget : form_.widgets())
        byId_[elementId(widget->name())] = widget;
    std::string ignored;
    page::tellStorage(storageNote(form_.language(), page::read(kCashFileName, ignored)));
    for (;;)
        handle(page::nextEvent(timers_.untilNext()));
}

void PageTable::handle(const std::string& event) {
    std::istringstream words(event);
    std::string what, target;
    words >> what >> target;
    const auto found = byId_.find(target);
    Widget* widget = found == byId_.end() ? nullptr : found->second;
    const int value = std::atoi(target.c_str());
    if (what == "wake") {
        timers_.runDue();
    } else if (what == "click" && widget) {
        form_.click(*widget);
    } else if (what == "second" && widget) {
        form_.secondClick(*widget);
    } else if (what == "check") {
        form_.setCheck(value);
    } else if (what == "drag") {
        form_.dragBet(value);
    } else if (what == "enddrag") {
        form_.endBetDrag();
    } else if (what == "scroll") {
        form_.scrollTo(value);
    } else if (what == "key") {
        std::string repeat;
        words >> repeat;
        access_->key(target, repeat == "repeat");
    } else if (what == "save") {
        form_.writeCashFile();
    } else if (what == "offer") {
        offerCash();
    } else if (what == "open") {
        openCash();
    }
}

void PageTable::offerCash() {
    std::string bytes;
    for (const std::string& line : cashLines(form_.Label10.caption, form_.Debt))
        bytes += line + "\r\n";
    page::offer(kCashFileName, bytes);
}

void PageTable::tell(const std::string& text, BoxButtons buttons, BoxIcon icon) {
    form_.afterEvent();
    boxes_.show({text, "", buttons, icon});
}

// The player's file is read whole before anything changes; the table takes its
// cash only on a yes, and keeps it as it keeps every other change of the cash.
void PageTable::openCash() {
    std::string bytes;
    const std::string name = page::openedFile(bytes);
    const Language language = form_.language();
    const OpenedCash opened = readOpenedCash(bytes);
    if (!opened.ok)
        return tell(openedCashUnreadable(language, name, opened.reason), BoxButtons::Ok,
                    BoxIcon::Stop);
    if (!opened.content.cash)
        return tell(openedCashEmpty(language, name), BoxButtons::Ok, BoxIcon::Information);
    const CashAndDebt now{form_.Label10.caption, form_.Debt};
    const CashAndDebt then = takenOver(opened.content, now);
    form_.afterEvent();
    const BoxRequest question{openedCashQuestion(language, name, now, then), "", BoxButtons::YesNo,
                              BoxIcon::None};
    if (boxes_.show(question) != BoxAnswer::Yes) return;
    form_.Label10.caption = then.cash;
    form_.Debt = then.debt;
    const FileResult saved = form_.writeCashFile();
    form_.afterEvent();
    if (!saved.ok)
        tell(cashNotSavedText(form_.language(), kCashFileName, saved.reason, saved.left, true),
             BoxButtons::Ok, BoxIcon::Stop);
}

}  // namespace korvane
