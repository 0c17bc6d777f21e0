// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_table.h"

#include <cstdlib>
#include <sstream>

#include "bank/cash_file.h"
#include "bank/cash_messages.h"
#include "platform/text_lines.h"
#include "ui/sound_cues.h"
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

std::string oneALine(const auto& names) {
    std::string lines;
    for (const auto& name : names) {
        if (!lines.empty()) lines += '\n';
        lines += name;
    }
    return lines;
}

}  // namespace

PageTable::PageTable()
    : boxes_(timers_, [this] { return form_.language(); }),
      form_(Services{boxes_, sound_, files_, random_, timers_, timers_}) {}

void PageTable::run() {
    page::know(oneALine(kSoundFiles), oneALine(tableKeyNames()),
               static_cast<int>(kLargestReadable));
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
    page::offer(kCashFileName, form_.cashFileBytes());
}

void PageTable::openCash() {
    std::string bytes;
    const std::string name = page::openedFile(bytes);
    form_.openCashFile(name, bytes);
}

}  // namespace korvane
