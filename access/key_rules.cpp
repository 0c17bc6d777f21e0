// SPDX-License-Identifier: GPL-3.0-or-later
// What each key does on the control that has the focus.
#include <algorithm>
#include <cctype>
#include <string>

#include "access/table_access.h"

namespace korvane {
namespace {

bool isArrow(TableKey key) {
    return key == TableKey::Left || key == TableKey::Right || key == TableKey::Up ||
           key == TableKey::Down;
}

bool backwards(TableKey key) {
    return key == TableKey::Left || key == TableKey::Up || key == TableKey::ShiftTab;
}

bool pressKey(TableKey key) {
    return key == TableKey::Space || key == TableKey::Enter;
}

// The character after the "&" of a caption, the button's access key; 0 for none.
char accessKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;  // "&&" shows one "&"
    }
    return 0;
}

KeyAnswer stay(const Widget* focused) {
    return {true, KeyDeed::None, nullptr, 0, focused};
}

KeyAnswer moveTo(const Widget* focused, const Widget* to) {
    if (!to || to == focused) return stay(focused);
    return {true, KeyDeed::Focus, nullptr, 0, to};
}

}  // namespace

Widget* TableAccess::accessKeyButton(char key) const {
    for (Button* button : {&form_.Command3, &form_.Command1, &form_.Command2}) {
        const char mark = accessKeyOf(button->caption);
        const bool same = std::toupper(static_cast<unsigned char>(mark)) ==
                          std::toupper(static_cast<unsigned char>(key));
        if (mark && same && form_.reachable(*button)) return button;
    }
    return nullptr;
}

KeyAnswer TableAccess::click(Widget& control) const {
    return {true, KeyDeed::Click, &control, 0, &control};
}

KeyAnswer TableAccess::decide(TableKey key, const Widget* focused, bool repeat) const {
    switch (key) {
        case TableKey::Tab:
        case TableKey::ShiftTab:
            return moveTo(focused, step(focused, key == TableKey::Tab));
        case TableKey::F1: {
            if (!form_.reachable(form_.Label11)) return stay(focused);
            KeyAnswer rules = click(form_.Label11);
            rules.focus = focused;
            return rules;
        }
        case TableKey::CtrlQ:
            return {true, KeyDeed::Close, nullptr, 0, focused};
        case TableKey::AltS:
        case TableKey::Alt1:
        case TableKey::Alt2: {
            const char mark = key == TableKey::AltS ? 'S' : key == TableKey::Alt1 ? '1' : '2';
            Widget* button = accessKeyButton(mark);
            if (!button) return {false, KeyDeed::None, nullptr, 0, focused};  // not the table's
            KeyAnswer pressed = click(*button);
            pressed.focus = focused;
            return pressed;
        }
        default:
            break;
    }
    Widget* control = nullptr;  // the focused control, if it is one of the Tab order
    for (Widget* c : tabOrder())
        if (c == focused) control = c;
    if (!control) return {false, KeyDeed::None, nullptr, 0, focused};
    if (repeat && pressKey(key)) return stay(focused);  // one press, one click
    KeyAnswer answer = onControl(key, *control);
    if (answer.taken && answer.deed == KeyDeed::None) answer.focus = focused;
    return answer;
}

KeyAnswer TableAccess::onControl(TableKey key, Widget& control) const {
    if (const auto back = form_.Picture1.indexOf(&control); back && *back >= 6) {
        if (const Widget* to = stepBack(*back, key)) return moveTo(&control, to);
    }
    switch (control.kind()) {
        case ControlKind::ScrollBar:
            return onBet(key);
        case ControlKind::Button:
        case ControlKind::CheckBox:
            // Arrows move on between the buttons and the box, as Tab does.
            if (isArrow(key)) return moveTo(&control, step(&control, !backwards(key)));
            // A check box is ticked by Space alone.
            if (key == TableKey::Enter && control.kind() == ControlKind::CheckBox) break;
            [[fallthrough]];
        case ControlKind::Label:
        case ControlKind::PictureBox:
            if (!pressKey(key)) break;
            return isStop(control) ? click(control) : KeyAnswer{true, {}, {}, 0, &control};
        default:
            break;
    }
    return {false, KeyDeed::None, nullptr, 0, &control};
}

// The bet moves as its scroll bar's arrows and pages do: right and up raise it.
KeyAnswer TableAccess::onBet(TableKey key) const {
    const ScrollBar& bet = form_.HScroll1;
    int to = bet.value();
    switch (key) {
        case TableKey::Right:
        case TableKey::Up:
            to += bet.smallChange;
            break;
        case TableKey::Left:
        case TableKey::Down:
            to -= bet.smallChange;
            break;
        case TableKey::PageUp:
            to += bet.largeChange;
            break;
        case TableKey::PageDown:
            to -= bet.largeChange;
            break;
        case TableKey::Home:
            to = bet.min();
            break;
        case TableKey::End:
            to = bet.max();
            break;
        default:
            return {false, KeyDeed::None, nullptr, 0, &bet};
    }
    to = std::clamp(to, bet.min(), bet.max());
    if (to == bet.value() || !isStop(bet)) return stay(&bet);
    return {true, KeyDeed::Scroll, &form_.HScroll1, to, &bet};
}

// An arrow, Home or End among the chooser's backs; nullptr for any other key.
const Widget* TableAccess::stepBack(int index, TableKey key) const {
    const int at = index - 6;
    int next = at;
    if (key == TableKey::Left || key == TableKey::Up)
        next = (at + 4) % 5;
    else if (key == TableKey::Right || key == TableKey::Down)
        next = (at + 1) % 5;
    else if (key == TableKey::Home)
        next = 0;
    else if (key == TableKey::End)
        next = 4;
    else
        return nullptr;
    return &form_.Picture1(6 + next);
}

void TableAccess::perform(const KeyAnswer& answer) {
    if (!answer.control) return;
    if (answer.deed == KeyDeed::Click) form_.click(*answer.control);
    if (answer.deed == KeyDeed::Scroll) form_.scrollTo(answer.value);
}

KeyAnswer TableAccess::press(TableKey key, const Widget* focused, bool repeat) {
    KeyAnswer answer = decide(key, focused, repeat);
    if (answer.deed != KeyDeed::Click && answer.deed != KeyDeed::Scroll) return answer;
    const unsigned before = settled_;
    perform(answer);
    // The event settled the focus if its window asked; otherwise settle it here.
    answer.focus = settled_ != before ? lastSettled_ : settle(answer.focus);
    return answer;
}

}  // namespace korvane
