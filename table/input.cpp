// SPDX-License-Identifier: GPL-3.0-or-later
// What a player can do to the table, by mouse or keys: each an event of its own,
// run to its end through the handler events.cpp wires to it.
#include "table/form1.h"

namespace korvane {
namespace {

// Controls without a double-click event of their own take a double click as two clicks.
bool doubleClickIsTwoClicks(const Widget& widget) {
    return widget.kind() == ControlKind::Button || widget.kind() == ControlKind::CheckBox;
}

}  // namespace

bool Form1::click(Control& control) {
    auto* widget = dynamic_cast<Widget*>(&control);
    if (!widget || !reachable(*widget)) return false;
    handle([this, widget] {
        // The sound switch ticks itself; the game only reads it.
        if (widget == &Check1) Check1.value = Check1.value == 1 ? 0 : 1;
        raise(*widget, Event::Click);
    });
    return true;
}

bool Form1::doubleClick(Control& control) {
    if (!click(control)) return false;
    secondClick(control);
    return true;
}

bool Form1::secondClick(Control& control) {
    auto* widget = dynamic_cast<Widget*>(&control);
    if (!widget || !reachable(*widget)) return false;
    if (doubleClickIsTwoClicks(*widget)) return click(*widget);
    handle([this, widget] { raise(*widget, Event::DoubleClick); });
    return true;
}

bool Form1::scrollTo(int value) {
    if (!reachable(HScroll1)) return false;
    handle([this, value] { HScroll1.setValue(value); });
    return true;
}

bool Form1::setCheck(int value) {
    if (!reachable(Check1) || (value != 0 && value != 1)) return false;
    handle([this, value] { Check1.value = value; });
    return true;
}

bool Form1::dragBet(int value) {
    if (!reachable(HScroll1)) return false;
    handle([this, value] { HScroll1.dragTo(value); });
    return true;
}

// Letting go always lands, so a drag never stays half done.
void Form1::endBetDrag() {
    handle([this] { HScroll1.endDrag(); });
}

}  // namespace korvane
