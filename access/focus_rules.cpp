// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard's focus may stand and where it goes as a round moves on.
#include <algorithm>

#include "access/spoken_table.h"
#include "access/table_access.h"

namespace korvane {
namespace {

constexpr int kFirstBack = 6, kLastBack = 10;  // the chooser's backs in Picture1

bool contains(const Place& outer, int x, int y) {
    return x >= outer.left && x < outer.left + outer.width && y >= outer.top &&
           y < outer.top + outer.height;
}

bool inside(const Widget& control, const Widget& frame) {
    for (const Widget* c = control.container; c; c = c->container)
        if (c == &frame) return true;
    return false;
}

}  // namespace

std::vector<Widget*> TableAccess::tabOrder() const {
    std::vector<Widget*> order{&form_.Command3,    &form_.Command1,   &form_.Command2,
                               &form_.HScroll1,    &form_.Check1,     &form_.Picture4(0),
                               &form_.Picture4(1), &form_.Picture4(2)};
    for (int back = kFirstBack; back <= kLastBack; ++back)
        order.push_back(&form_.Picture1(back));  // stops only while the chooser is open
    order.push_back(&form_.Label11);
    order.push_back(&form_.Label15);
    return order;
}

bool TableAccess::secret(const Widget& control) const {
    return keptSecret(form_, control);
}

bool TableAccess::focusable(const Widget& control) const {
    if (&control == &form_.Label15) return form_.lendsNow();
    const std::vector<Widget*> order = tabOrder();
    return std::find(order.begin(), order.end(), &control) != order.end();
}

// What the mouse would hit in the middle of the control: the open chooser lies
// over the middle of the table.
bool TableAccess::covered(const Widget& control) const {
    const Frame& chooser = form_.Frame4;
    if (!chooser.shown() || &control == &chooser || inside(control, chooser)) return false;
    const Place p = control.placeOnWindow();
    return contains(chooser.placeOnWindow(), p.left + p.width / 2, p.top + p.height / 2);
}

bool TableAccess::isStop(const Widget& control) const {
    return focusable(control) && !secret(control) && form_.reachable(control) && !covered(control);
}

const Widget* TableAccess::step(const Widget* focused, bool forward) const {
    const std::vector<Widget*> order = tabOrder();
    const int count = static_cast<int>(order.size());
    int at = forward ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (order[static_cast<size_t>(i)] == focused) at = i;
    for (int n = 1; n <= count; ++n) {
        const int i = ((at + (forward ? n : -n)) % count + count) % count;
        if (isStop(*order[static_cast<size_t>(i)])) return order[static_cast<size_t>(i)];
    }
    return nullptr;
}

bool TableAccess::letGo(const Widget* focused) const {
    return focused && !(focused->shown() && focused->usable());
}

const Widget* TableAccess::backInUse() const {
    for (int back = kFirstBack; back <= kLastBack; ++back)
        if (form_.Picture1(back).picture == form_.Picture1(5).picture) return &form_.Picture1(back);
    return &form_.Picture1(kFirstBack);
}

const Widget* TableAccess::nextStop() const {
    if (isStop(form_.Command1)) return &form_.Command1;
    if (isStop(form_.Command3)) return &form_.Command3;
    return nullptr;
}

const Widget* TableAccess::settle(const Widget* focused) {
    ++settled_;
    if (letGo(focused)) focused = nullptr;
    const bool chooser = form_.Frame4.shown();
    const bool turn = form_.Command1.shown() && form_.Command1.usable();
    const bool idle = form_.Command3.shown() && form_.Command3.usable();
    // The turn begins: Deal. The table is idle again: Start. While the chooser is
    // open, that waits until a back is chosen.
    if (turn && !wasTurn_) pending_ = &form_.Command1;
    if (idle && !wasIdle_) pending_ = &form_.Command3;
    const Widget* target = nullptr;
    if (chooser && !wasChooser_) {
        target = backInUse();
    } else if (!chooser) {
        target = pending_ ? pending_ : wasChooser_ ? &form_.Picture4(2) : nullptr;
        pending_ = nullptr;
    }
    if (!target || !isStop(*target)) {
        const bool lost = !focused || !isStop(*focused);
        target = !lost ? nullptr : chooser ? backInUse() : nextStop();
    }
    wasChooser_ = chooser;
    wasTurn_ = turn;
    wasIdle_ = idle;
    lastSettled_ = target ? target : focused;
    return lastSettled_;
}

}  // namespace korvane
