// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_access.h"

#include <array>

#include "web/page_bridge.h"
#include "web/page_view.h"

namespace korvane {
namespace {

// The ARIA role of each SpokenRole, in its order; the window and what shows
// nothing have none. A label is no live region: its change is told in words.
constexpr std::array<const char*, 9> kRoles{"",         "",       "group", "note", "button",
                                            "checkbox", "slider", "img",   "radio"};

std::string roleName(SpokenRole role) {
    return kRoles.at(static_cast<size_t>(role));
}

}  // namespace

PageAccess::PageAccess(Form1& form) : access_(form), spoken_(form) {
    // Every element starts out telling nothing; the first refresh tells what each
    // control presents, and the cheat switches stay silent for good.
    for (Widget* widget : form.widgets()) {
        byId_[elementId(widget->name())] = widget;
        page::setSpoken(elementId(widget->name()), "", "", "", false);
    }
}

const Widget* PageAccess::focused() const {
    const auto found = byId_.find(page::focused());
    return found == byId_.end() ? nullptr : found->second;
}

void PageAccess::focus(const Widget* control) {
    if (control && control != focused()) page::focus(elementId(control->name()));
}

void PageAccess::refresh() {
    // The Tab order is the table's: stops numbered in its order, the rest out of it.
    int order = 0;
    for (Widget* control : access_.tabOrder()) {
        ++order;
        const int stop = access_.isStop(*control) ? order : -1;
        auto [at, fresh] = stops_.try_emplace(control, stop);
        if (!fresh && at->second == stop) continue;
        at->second = stop;
        page::setStop(elementId(control->name()), stop);
    }
    std::string told;
    for (const SpokenChange& change : spoken_.update()) {
        const Spoken& now = change.now;
        page::setSpoken(elementId(change.control->name()), roleName(now.role), now.name,
                        now.description, now.checked);
        const std::string words = toldOf(change);
        if (!words.empty()) told += (told.empty() ? "" : ". ") + words;
    }
    // The focus lands once every name is set, so a screen reader says the control
    // as it now is.
    focus(access_.settle(focused()));
    if (!told.empty() && started_) page::announce(told);
    started_ = true;
}

void PageAccess::key(const std::string& name, bool repeat) {
    const std::optional<TableKey> key = tableKeyNamed(name);
    if (!key) return;
    const KeyAnswer answer = access_.decide(*key, focused(), repeat);
    if (!answer.taken) return;
    if (answer.deed == KeyDeed::Focus) {
        focus(answer.focus);
    } else if (answer.deed == KeyDeed::Click || answer.deed == KeyDeed::Scroll) {
        access_.perform(answer);
    }
    // A page cannot close its browser's tab: the close key does nothing here.
}

}  // namespace korvane
