// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scroll_bar.h"

#include <algorithm>

namespace korvane {

int ScrollBar::clamp(int value) const {
    return std::clamp(value, min_, std::max(min_, max_));
}

void ScrollBar::setValue(int value) {
    value = clamp(value);
    if (value == value_) return;
    value_ = value;
    if (onChange) onChange();
}

void ScrollBar::setMax(int max) {
    max_ = max;
    setValue(value_);
}

void ScrollBar::setMin(int min) {
    min_ = min;
    setValue(value_);
}

void ScrollBar::dragTo(int value) {
    value = clamp(value);
    if (value == value_) return;
    value_ = value;
    dragged_ = true;
    if (onScroll) onScroll();
}

void ScrollBar::endDrag() {
    if (!dragged_) return;
    dragged_ = false;
    if (onChange) onChange();
}

}  // namespace korvane
