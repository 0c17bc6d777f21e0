// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_view.h"

#include <array>

#include "web/page_bridge.h"

namespace korvane {
namespace {

std::string cssColour(Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue) + ")";
}

// The face the table ships with, then the one the design names, then the
// browser's own of that kind.
std::string family(const ScreenFont& font) {
    const char* generic = font.kind == FontKind::Serif  ? "serif"
                          : font.kind == FontKind::Mono ? "monospace"
                                                        : "sans-serif";
    return "'" + font.face + "', '" + font.designed + "', " + generic;
}

// The element of each kind of control a screen shows, in ControlKind's order.
constexpr std::array<const char*, 7> kKinds{"",        "label", "button", "frame",
                                            "picture", "check", "range"};

std::string kindOf(ControlKind kind) {
    return kKinds.at(static_cast<size_t>(kind));
}

std::string cssAlignment(Alignment a) {
    return a == Alignment::Right ? "right" : a == Alignment::Centre ? "center" : "left";
}

}  // namespace

std::string elementId(const std::string& controlName) {
    std::string id;
    for (char c : controlName)
        if (c == '(')
            id += '_';
        else if (c != ')')
            id += c;
    return id;
}

PageView::PageView(Form1& form) : screen_(form) {
    for (const Widget* control : screen_.controls()) {
        const PixelPlace p = pixelPlace(control->place);
        page::make(elementId(control->name()), kindOf(control->kind()),
                   control->container ? elementId(control->container->name()) : "", p.left, p.top,
                   p.width, p.height);
    }
}

void PageView::refresh() {
    bool changed = false;
    const ShownWindow& window = screen_.window(changed);
    if (changed) {
        const bool danish = window.language == Language::Danish;
        page::setTitle(window.title, danish);
        page::setSize(window.width, window.height, cssColour(window.back));
    }
    for (const ShownChange& change : screen_.update())
        show(*change.control, *change.now, change.aspects);
}

void PageView::show(const Widget& control, const Shown& now, unsigned aspects) {
    const std::string id = elementId(control.name());
    if (aspects & kShownState) page::setShown(id, now.visible, now.enabled);
    if (aspects & kShownLook)
        page::setLook(id, cssColour(now.back), cssColour(now.fore), family(now.font),
                      now.font.pixelSize, now.font.bold, cssAlignment(now.alignment));
    if (aspects & kShownText) page::setText(id, now.text);
    if (aspects & kShownPicture) page::setPicture(id, pictureName(now.picture));
    if (aspects & kShownCheck) page::setCheck(id, now.check);
    if (aspects & kShownRange) {
        const ShownRange& r = now.range;
        page::setRange(id, r.min, r.max, r.value, r.smallChange, r.largeChange);
    }
}

}  // namespace korvane
