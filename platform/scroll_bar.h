// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bet's scroll bar. Any change of its value, by the player or by the game,
// raises its change event; dragging the thumb raises the scroll event.
#include <functional>

#include "platform/control.h"

namespace korvane {

class ScrollBar : public Widget {
  public:
    explicit ScrollBar(std::string name) : Widget(std::move(name), ControlKind::ScrollBar) {}

    int value() const { return value_; }
    int min() const { return min_; }
    int max() const { return max_; }
    // Kept within min..max; raises the change event when the value moves.
    void setValue(int value);
    // A value above the new maximum comes down with it.
    void setMax(int max);
    void setMin(int min);
    // The thumb being dragged to a value: the scroll event, not the change event.
    void dragTo(int value);
    // The thumb let go: the change event, if the drag moved the value.
    void endDrag();

    int smallChange = 1;
    int largeChange = 1;
    std::function<void()> onChange;
    std::function<void()> onScroll;

    std::vector<Property> properties() const override;

  private:
    int clamp(int value) const;
    int value_ = 0, min_ = 0, max_ = 32767;
    bool dragged_ = false;
};

}  // namespace korvane
