// SPDX-License-Identifier: GPL-3.0-or-later
// What a player's mouse can do to the table.
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
    onClick(*widget);
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
    onDoubleClick(*widget);
    return true;
}

bool Form1::scrollTo(int value) {
    if (!reachable(HScroll1)) return false;
    HScroll1.setValue(value);
    return true;
}

bool Form1::setCheck(int value) {
    if (!reachable(Check1) || (value != 0 && value != 1)) return false;
    Check1.value = value;
    return true;
}

void Form1::onClick(Widget& widget) {
    if (&widget == &Check1) Check1.value = Check1.value == 1 ? 0 : 1;
    if (&widget == &Label11) Label11_Click();
    if (&widget == &Label15) Label15_Click();
    if (&widget == &Label17) Label17_Click();
    if (&widget == &Command1) Command1_Click();
    if (&widget == &Command2) Command2_Click();
    if (&widget == &Command3) Command3_Click();
    if (auto index = Picture1.indexOf(&widget)) Picture1_Click(*index);
    if (auto index = Picture2.indexOf(&widget)) Picture2_Click(*index);
    if (auto index = Picture4.indexOf(&widget)) Picture4_Click(*index);
}

void Form1::onDoubleClick(Widget& widget) {
    if (&widget == &Label16) Label16_DblClick();
}

}  // namespace korvane
