// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_view.h"

#include <cmath>

#include "platform/number_text.h"
#include "web/page_bridge.h"

namespace korvane {
namespace {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

std::string cssColour(Colour colour) {
    const Rgb rgb = colour.resolved();
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue) + ")";
}

// The faces the desktop draws the table's fonts with, served beside the page.
std::string family(const Font& font) {
    if (font.name == "Times New Roman") return "'Liberation Serif', 'Times New Roman', serif";
    return "'Liberation Sans', Arial, Helvetica, sans-serif";
}

std::string kindOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "label";
        case ControlKind::Button:
            return "button";
        case ControlKind::Frame:
            return "frame";
        case ControlKind::PictureBox:
            return "picture";
        case ControlKind::CheckBox:
            return "check";
        case ControlKind::ScrollBar:
            return "range";
        default:
            return "";
    }
}

std::string alignmentOf(const Widget& widget) {
    if (widget.kind() != ControlKind::Label) return "left";
    const Alignment a = static_cast<const Label&>(widget).alignment;
    return a == Alignment::Right ? "right" : a == Alignment::Centre ? "center" : "left";
}

std::string captionOf(const Widget& widget) {
    switch (widget.kind()) {
        case ControlKind::Label:
            return static_cast<const Label&>(widget).caption;
        case ControlKind::Button:
            return static_cast<const Button&>(widget).caption;
        case ControlKind::Frame:
            return static_cast<const Frame&>(widget).caption;
        case ControlKind::CheckBox:
            return static_cast<const CheckBox&>(widget).caption;
        default:
            return "";
    }
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

PageView::PageView(Form1& form) : form_(form) {
    for (Widget* widget : form.widgets()) {
        const std::string kind = kindOf(widget->kind());
        if (kind.empty()) continue;  // the deck's lists are never shown
        const Place& p = widget->place;
        page::make(elementId(widget->name()), kind,
                   widget->container ? elementId(widget->container->name()) : "", pixels(p.left),
                   pixels(p.top), pixels(p.width), pixels(p.height));
        shown_[widget];
    }
}

void PageView::refresh() {
    const Window& me = form_.Me;
    const bool danish = form_.language() == Language::Danish;
    const std::string window = me.caption + " " + std::to_string(me.clientWidth()) + " " +
                               std::to_string(me.clientHeight()) + " " + me.backColor.text() +
                               (danish ? " da" : " en");
    if (window != window_) {
        window_ = window;
        page::setTitle(me.caption, danish);
        page::setSize(pixels(me.clientWidth()), pixels(me.clientHeight()), cssColour(me.backColor));
    }
    for (auto& [widget, shown] : shown_)
        refreshWidget(*widget, shown);
}

void PageView::refreshWidget(const Widget& widget, Shown& shown) {
    const std::string id = elementId(widget.name());
    // What lies outside the window is never seen, as on the desktop.
    const bool visible = widget.visible && form_.insideWindow(widget);
    const std::string state = std::string(visible ? "v" : "h") + (widget.enabled ? "e" : "d");
    if (state != shown.state) {
        shown.state = state;
        page::setShown(id, visible, widget.enabled);
    }
    const std::string look = widget.backColor.text() + widget.foreColor.text() + widget.font.name +
                             plainText(widget.font.size) + (widget.font.bold ? "b" : "") +
                             alignmentOf(widget);
    if (look != shown.look) {
        shown.look = look;
        page::setLook(id, cssColour(widget.backColor), cssColour(widget.foreColor),
                      family(widget.font), widget.font.size * 96.0 / 72.0, widget.font.bold,
                      alignmentOf(widget));
    }
    const std::string text = captionOf(widget);
    if (text != shown.text) {
        shown.text = text;
        page::setText(id, text);
    }
    refreshContent(widget, id, shown);
}

void PageView::refreshContent(const Widget& widget, const std::string& id, Shown& shown) {
    if (widget.kind() == ControlKind::PictureBox) {
        // A picture is fetched only once it can be seen: the face sources and the
        // hidden back lie outside the window for the whole run, the chooser's
        // backs wait until it opens, and a hidden place keeps what it showed.
        if (!widget.shown() || !form_.insideWindow(widget)) return;
        const std::string name = pictureName(static_cast<const PictureBox&>(widget).picture);
        if (name != shown.picture) {
            shown.picture = name;
            page::setPicture(id, name);
        }
    } else if (widget.kind() == ControlKind::CheckBox) {
        const std::string value = std::to_string(static_cast<const CheckBox&>(widget).value);
        if (value != shown.value) {
            shown.value = value;
            page::setCheck(id, static_cast<const CheckBox&>(widget).value);
        }
    } else if (widget.kind() == ControlKind::ScrollBar) {
        const auto& bar = static_cast<const ScrollBar&>(widget);
        const std::string value = std::to_string(bar.min()) + " " + std::to_string(bar.max()) +
                                  " " + std::to_string(bar.value()) + " " +
                                  std::to_string(bar.smallChange) + " " +
                                  std::to_string(bar.largeChange);
        if (value != shown.value) {
            shown.value = value;
            page::setRange(id, bar.min(), bar.max(), bar.value(), bar.smallChange, bar.largeChange);
        }
    }
}

}  // namespace korvane
