// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes answered from a script. An answer may be given only after the
// clock has moved on while the box stays open, so a test sees what the timers
// do behind an open box. Unscripted boxes take their default: OK, or No.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "headless/virtual_clock.h"
#include "platform/services.h"

namespace korvane {

struct ScriptedAnswer {
    BoxAnswer answer = BoxAnswer::Ok;
    int64_t afterMilliseconds = 0;
};

struct ShownBox {
    BoxRequest box;
    BoxAnswer answer;
};

class ScriptedBoxes : public MessageBoxes {
  public:
    explicit ScriptedBoxes(VirtualClock& clock) : clock_(clock) {}

    BoxAnswer show(const BoxRequest& box) override;
    void queue(ScriptedAnswer answer) { queued_.push_back(answer); }
    const std::vector<ShownBox>& shown() const { return shown_; }
    void forget() { shown_.clear(); }
    int openBoxes() const { return open_; }

    // Told of each box as it opens, with the answer it will get.
    std::function<void(const ShownBox&)> onShow;

  private:
    VirtualClock& clock_;
    std::deque<ScriptedAnswer> queued_;
    std::vector<ShownBox> shown_;
    int open_ = 0;
};

}  // namespace korvane
