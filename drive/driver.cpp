// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/driver.h"

#include <algorithm>
#include <array>
#include <istream>
#include <map>
#include <ostream>
#include <set>

#include "drive/words.h"

namespace korvane {
namespace {

// Any span the table's clock can hold, in one command.
constexpr int64_t kLongestWait = VirtualClock::kEnd;

// The words of each answer and icon, in their enums' order.
constexpr std::array<const char*, 3> kAnswers{"ok", "yes", "no"};
constexpr std::array<const char*, 3> kIcons{"none", "stop", "information"};

const char* answerText(BoxAnswer answer) {
    return kAnswers.at(static_cast<size_t>(answer));
}

const char* iconText(BoxIcon icon) {
    return kIcons.at(static_cast<size_t>(icon));
}

}  // namespace

Driver::Driver(TextFiles& files, std::ostream& out, std::ostream& err)
    : platform_(&files), out_(out), err_(err) {
    form_ = std::make_unique<Form1>(platform_.services());
    platform_.sound.onPlay = [this](const std::string& file) { out_ << "sound " << file << "\n"; };
    platform_.boxes.onShow = [this](const ShownBox& shown) { printBox(shown); };
}

void Driver::run(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        execute(line);
        out_.flush();
        // Every sound and box is printed as it happens; nothing more is kept, so
        // a script of any length runs in the same memory.
        platform_.forget();
    }
}

void Driver::execute(const std::string& line) {
    const Words words = splitWords(line);
    if (words.empty() || words[0][0] == '#') return;
    const std::string& command = words[0];
    if (command == "load" || command == "unload") return lifecycle(command);
    if (command == "get") return get(words);
    if (command == "state") return state();
    if (command == "answer") return answer(words);
    if (command == "deck") return deck(words);
    if (command != "click" && command != "dblclick" && command != "scroll" && command != "check" &&
        command != "wait")
        return error("unknown command: " + command);
    if (!windowOpen(command)) return;
    if (command == "scroll") return scroll(words);
    if (command == "check") return check(words);
    if (command == "wait") return wait(words);
    userInput(words);
}

void Driver::error(const std::string& message) {
    err_ << "error: " << message << "\n";
}

bool Driver::windowOpen(const std::string& command) {
    if (!loaded_)
        error(command + ": the window is not loaded yet (run load first)");
    else if (unloaded_)
        error(command + ": the window is closed");
    return loaded_ && !unloaded_;
}

void Driver::lifecycle(const std::string& command) {
    if (command == "load") {
        if (loaded_) return error("load: the window is already loaded");
        loaded_ = true;
        form_->Form_Load();
        // A table that found another one playing from the cash file closed at once.
        unloaded_ = form_->standsDown();
    } else if (windowOpen(command)) {
        unloaded_ = true;
        form_->Form_Unload();
    }
}

void Driver::userInput(const Words& words) {
    if (words.size() != 2) return error(words[0] + " takes one control name");
    Control* control = form_->find(words[1]);
    if (!control) return error("unknown control: " + words[1]);
    // A hidden, disabled or unseen control takes no click, as on the screen.
    if (words[0] == "click")
        form_->click(*control);
    else
        form_->doubleClick(*control);
}

void Driver::scroll(const Words& words) {
    if (words.size() != 3 || words[1] != "HScroll1") return error("usage: scroll HScroll1 VALUE");
    const auto value = saturatedNumber(words[2]);
    if (!value) return error("scroll: not a whole number: " + words[2]);
    const int64_t clamped =
        std::clamp<int64_t>(*value, form_->HScroll1.min(), form_->HScroll1.max());
    form_->scrollTo(static_cast<int>(clamped));
}

void Driver::check(const Words& words) {
    if (words.size() != 3 || words[1] != "Check1" || (words[2] != "0" && words[2] != "1"))
        return error("usage: check Check1 0|1");
    form_->setCheck(words[2] == "1" ? 1 : 0);
}

void Driver::wait(const Words& words) {
    const auto ms = words.size() == 2 ? wholeNumber(words[1]) : std::nullopt;
    if (!ms || *ms < 0 || *ms > kLongestWait)
        return error("usage: wait MS, with MS from 0 to " + std::to_string(kLongestWait));
    platform_.clock.advance(*ms);
}

void Driver::answer(const Words& words) {
    static const std::map<std::string, BoxAnswer> kAnswers{
        {"ok", BoxAnswer::Ok}, {"yes", BoxAnswer::Yes}, {"no", BoxAnswer::No}};
    const bool delayed = words.size() == 4 && words[2] == "after";
    const auto found = words.size() >= 2 ? kAnswers.find(words[1]) : kAnswers.end();
    const auto ms = delayed ? wholeNumber(words[3]) : std::optional<int64_t>(0);
    if ((words.size() != 2 && !delayed) || found == kAnswers.end() || !ms || *ms < 0 ||
        *ms > kLongestWait)
        return error("usage: answer yes|no|ok [after MS]");
    platform_.boxes.queue({found->second, *ms});
}

void Driver::deck(const Words& words) {
    platform_.random.queued.clear();  // a bad deck leaves the next shuffle random
    std::vector<int> cards;
    std::set<int64_t> seen;
    for (size_t i = 1; i < words.size(); ++i) {
        const auto card = wholeNumber(words[i]);
        if (!card || *card < 0 || *card >= kDeckSize)
            return error("deck: not a card number 0..51: " + words[i]);
        if (!seen.insert(*card).second) return error("deck: card given twice: " + words[i]);
        cards.push_back(static_cast<int>(*card));
    }
    platform_.random.forceDeck(cards);
}

void Driver::get(const Words& words) {
    if (words.size() != 2) return error("usage: get NAME.Property or get MEMBER");
    const std::string& what = words[1];
    const auto dot = what.find('.');
    std::vector<Property> properties;
    std::string wanted = what;
    if (dot == std::string::npos) {
        properties = form_->members();
    } else {
        Control* control = form_->find(what.substr(0, dot));
        if (!control) return error("unknown control: " + what.substr(0, dot));
        properties = control->properties();
        wanted = what.substr(dot + 1);
    }
    for (const auto& [name, value] : properties)
        if (name == wanted) {
            out_ << what << "=" << value << "\n";
            return;
        }
    error("unknown " + std::string(dot == std::string::npos ? "member" : "property") + ": " + what);
}

void Driver::state() {
    for (const Control* control : form_->controls())
        for (const auto& [name, value] : control->properties())
            out_ << control->name() << "." << name << "=" << value << "\n";
    for (const auto& [name, value] : form_->members())
        out_ << name << "=" << value << "\n";
}

void Driver::printBox(const ShownBox& shown) {
    out_ << "box title=" << quoted(shown.box.title) << " text=" << quoted(shown.box.text)
         << " buttons=" << (shown.box.buttons == BoxButtons::Ok ? "ok" : "yesno")
         << " icon=" << iconText(shown.box.icon) << " -> " << answerText(shown.answer) << "\n";
}

}  // namespace korvane
