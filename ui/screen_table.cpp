// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_table.h"

namespace korvane {
namespace {

std::string captionOf(const Widget& control) {
    switch (control.kind()) {
        case ControlKind::Label:
            return static_cast<const Label&>(control).caption;
        case ControlKind::Button:
            return static_cast<const Button&>(control).caption;
        case ControlKind::Frame:
            return static_cast<const Frame&>(control).caption;
        case ControlKind::CheckBox:
            return static_cast<const CheckBox&>(control).caption;
        default:
            return "";
    }
}

bool hasSomethingToShow(const Widget& control) {
    switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::Frame:
        case ControlKind::PictureBox:
        case ControlKind::CheckBox:
        case ControlKind::ScrollBar:
            return true;
        default:
            return false;
    }
}

// What a control of its kind has to show at all.
unsigned aspectsOf(ControlKind kind) {
    const unsigned common = kShownState | kShownPlace | kShownLook;
    switch (kind) {
        case ControlKind::PictureBox:
            return common | kShownPicture;
        case ControlKind::ScrollBar:
            return common | kShownRange;
        case ControlKind::CheckBox:
            return common | kShownText | kShownCheck;
        default:
            return common | kShownText;
    }
}

unsigned differences(const Shown& a, const Shown& b) {
    unsigned aspects = 0;
    if (a.visible != b.visible || a.enabled != b.enabled) aspects |= kShownState;
    if (a.place != b.place) aspects |= kShownPlace;
    if (a.font != b.font || a.back != b.back || a.fore != b.fore || a.alignment != b.alignment)
        aspects |= kShownLook;
    if (a.text != b.text) aspects |= kShownText;
    if (a.picture != b.picture) aspects |= kShownPicture;
    if (a.check != b.check) aspects |= kShownCheck;
    if (a.range != b.range) aspects |= kShownRange;
    return aspects;
}

}  // namespace

ScreenTable::ScreenTable(const TableWindow& table) : table_(table) {
    // The face sources, the rank labels and the held back lie outside the
    // window for the whole run: nothing ever shows them.
    for (Widget* control : table.widgets())
        if (hasSomethingToShow(*control) && table.insideWindow(*control))
            controls_.push_back(control);
}

Shown ScreenTable::look(const Widget& control, const Shown& before) const {
    Shown now;
    now.visible = control.visible && table_.insideWindow(control);
    now.enabled = control.enabled;
    now.place = pixelPlace(control.place);
    now.font = screenFont(control.font);
    now.back = control.backColor.resolved();
    now.fore = control.foreColor.resolved();
    if (control.kind() == ControlKind::Label)
        now.alignment = static_cast<const Label&>(control).alignment;
    now.text = captionOf(control);
    now.picture = before.picture;
    // A picture is taken only once it can be seen: the chooser's backs wait
    // until it opens, and a hidden place keeps what it showed.
    if (control.kind() == ControlKind::PictureBox && control.shown())
        now.picture = static_cast<const PictureBox&>(control).picture;
    if (control.kind() == ControlKind::CheckBox)
        now.check = static_cast<const CheckBox&>(control).value;
    if (control.kind() == ControlKind::ScrollBar) {
        const auto& bar = static_cast<const ScrollBar&>(control);
        now.range = {bar.min(), bar.max(), bar.value(), bar.smallChange, bar.largeChange};
    }
    return now;
}

std::vector<ShownChange> ScreenTable::update() {
    std::vector<ShownChange> changes;
    for (Widget* control : controls_) {
        Shown& shown = shown_[control];
        const Shown now = look(*control, shown);
        const unsigned aspects = first_ ? aspectsOf(control->kind()) : differences(shown, now);
        if (aspects == 0) continue;
        shown = now;
        changes.push_back({control, aspects, &shown});
    }
    first_ = false;
    return changes;
}

const ShownWindow& ScreenTable::window(bool& changed) {
    const Window& me = table_.Me;
    const ShownWindow now{me.caption, pixels(me.clientWidth()), pixels(me.clientHeight()),
                          me.backColor.resolved(), languageOf(table_.Command1.caption)};
    changed = windowFirst_ || now != window_;
    windowFirst_ = false;
    window_ = now;
    return window_;
}

}  // namespace korvane
