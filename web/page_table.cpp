// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_table.h"

#include <cstdlib>
#include <sstream>

#include "bank/cash_file.h"
#include "platform/text_lines.h"
#include "ui/page_words.h"
#include "ui/sound_cues.h"
#include "web/page_bridge.h"

namespace korvane {
namespace {

std::string oneALine(const auto& names) {
    std::string lines;
    for (const auto& name : names) {
        if (!lines.empty()) lines += '\n';
        lines += name;
    }
    return lines;
}

std::string wordLines(Language language) {
    const PageWords& words = pageWords(language);
    return std::string("lang=") + (language == Language::Danish ? "da" : "en") +
           "\nsaveCash=" + words.saveCash + "\nopenCash=" + words.openCash +
           "\ncashTakenOver=" + words.cashTakenOver;
}

}  // namespace

PageTable::PageTable()
    : boxes_(timers_, [this] { return form_.language(); }),
      files_([this] { return form_.language(); }),
      form_(Services{boxes_, sound_, files_, random_, timers_, timers_}) {
    // A browser can neither bring another tab to the front nor close this one:
    // a second tab says so in the page's words instead of the desktop's.
    form_.raiseOpenTable = [this] {
        const Language language = form_.language();
        const LanguageTexts& texts = textsFor(language);
        boxes_.show({pageWords(language).openElsewhere, kTitle, BoxButtons::Ok, BoxIcon::Stop,
                     texts.boxOk, texts.boxYes, texts.boxNo});
        return true;
    };
}

void PageTable::run() {
    page::know(oneALine(kSoundFiles), oneALine(tableKeyNames()),
               static_cast<int>(kLargestReadable));
    page::setWords(wordLines(wordsIn_));
    // A value the page did not write is left alone; only a browser that keeps
    // nothing makes the cash unkept for good.
    std::string why;
    storageUsable_ = page::read(kCashFileName, why) != 2 || why == "text";
    // The table is first shown once its start-up has sized the window, so nothing
    // that lies outside it is ever seen; a box at start-up opens over an empty page.
    form_.Form_Load();
    if (form_.standsDown()) {
        // The page stays, as a browser's tab cannot close itself: it says why it is empty.
        tellPage();
        page::standDown();
        return;
    }
    view_ = std::make_unique<PageView>(form_);
    access_ = std::make_unique<PageAccess>(form_);
    form_.afterEvent = [this] {
        view_->refresh();
        access_->refresh();
        tellPage();
    };
    form_.afterEvent();
    for (Widget* widget : form_.widgets())
        byId_[elementId(widget->name())] = widget;
    for (;;)
        handle(page::nextEvent(timers_.untilNext()));
}

std::string PageTable::storageNote() const {
    const PageWords& words = pageWords(form_.language());
    switch (form_.cashKeeping()) {
        case Form1::CashKeeping::Saved:
            return words.cashKept;
        case Form1::CashKeeping::StoodDown:
            return words.openElsewhere.substr(0, words.openElsewhere.find('\r'));
        case Form1::CashKeeping::LeftUnread:
            return storageUsable_ ? words.cashLeftUnread : words.cashNowhere;
        case Form1::CashKeeping::TakenOver:
            return words.cashTakenOver;
        case Form1::CashKeeping::LastSaveFailed:
            return words.cashNotSaved;
    }
    return words.cashKept;
}

void PageTable::tellPage() {
    if (form_.language() != wordsIn_) {
        wordsIn_ = form_.language();
        page::setWords(wordLines(wordsIn_));
    }
    const std::string note = storageNote();
    if (note == note_) return;
    note_ = note;
    page::tellStorage(note);
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
