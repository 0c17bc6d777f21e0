// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/scripted_boxes.h"

namespace korvane {
namespace {

// An answer the box has no button for is taken as its default button.
BoxAnswer fitted(BoxAnswer answer, BoxButtons buttons) {
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    return answer == BoxAnswer::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace

BoxAnswer ScriptedBoxes::show(const BoxRequest& box) {
    ScriptedAnswer scripted{box.buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::No, 0};
    if (!queued_.empty()) {
        scripted = queued_.front();
        queued_.pop_front();
    }
    const ShownBox shown{box, fitted(scripted.answer, box.buttons)};
    shown_.push_back(shown);
    if (onShow) onShow(shown);
    ++open_;
    clock_.advance(scripted.afterMilliseconds);
    --open_;
    return shown.answer;
}

}  // namespace korvane
