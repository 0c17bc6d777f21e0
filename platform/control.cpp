// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include "platform/controls.h"
#include "platform/number_text.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace korvane {
namespace {

std::string alignmentText(Alignment a) {
    switch (a) {
        case Alignment::Left:
            return "0";
        case Alignment::Right:
            return "1";
        case Alignment::Centre:
            return "2";
    }
    return "0";
}

std::string number(double value) {
    return plainText(value);
}

}  // namespace

bool Widget::shown() const {
    for (const Widget* w = this; w; w = w->container)
        if (!w->visible) return false;
    return true;
}

bool Widget::usable() const {
    for (const Widget* w = this; w; w = w->container)
        if (!w->enabled) return false;
    return true;
}

Place Widget::placeOnWindow() const {
    Place p = place;
    for (const Widget* w = container; w; w = w->container) {
        p.left += w->place.left;
        p.top += w->place.top;
    }
    return p;
}

void Widget::addCommon(std::vector<Property>& out) const {
    out.insert(out.end(), {{"Visible", boolText(visible)},
                           {"Enabled", boolText(enabled)},
                           {"Left", number(place.left)},
                           {"Top", number(place.top)},
                           {"Width", number(place.width)},
                           {"Height", number(place.height)},
                           {"BackColor", backColor.text()},
                           {"ForeColor", foreColor.text()},
                           {"FontName", font.name},
                           {"FontSize", number(font.size)},
                           {"FontBold", boolText(font.bold)}});
}

std::vector<Property> Label::properties() const {
    std::vector<Property> out{{"Caption", caption}};
    addCommon(out);
    out.emplace_back("Alignment", alignmentText(alignment));
    return out;
}

std::vector<Property> Button::properties() const {
    std::vector<Property> out{{"Caption", caption}};
    addCommon(out);
    return out;
}

std::vector<Property> Frame::properties() const {
    std::vector<Property> out{{"Caption", caption}};
    addCommon(out);
    return out;
}

std::vector<Property> PictureBox::properties() const {
    std::vector<Property> out{{"Picture", pictureName(picture)}};
    addCommon(out);
    return out;
}

std::vector<Property> CheckBox::properties() const {
    std::vector<Property> out{{"Caption", caption}, {"Value", number(value)}};
    addCommon(out);
    return out;
}

const std::string& ListBox::item(int index) const {
    static const std::string kEmpty;
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)] : kEmpty;
}

std::vector<Property> ListBox::properties() const {
    std::vector<Property> out{{"ListCount", number(count())}};
    addCommon(out);
    for (int i = 0; i < count(); ++i)
        out.emplace_back("List(" + std::to_string(i) + ")", item(i));
    return out;
}

std::vector<Property> ScrollBar::properties() const {
    std::vector<Property> out{{"Value", number(value_)},
                              {"Min", number(min_)},
                              {"Max", number(max_)},
                              {"SmallChange", number(smallChange)},
                              {"LargeChange", number(largeChange)}};
    addCommon(out);
    return out;
}

std::vector<Property> Timer::properties() const {
    return {{"Enabled", boolText(enabled_)}, {"Interval", number(interval_)}};
}

std::vector<Property> Window::properties() const {
    return {{"Caption", caption},
            {"Width", number(width)},
            {"Height", number(height)},
            {"BackColor", backColor.text()},
            {"Icon", pictureName(icon)}};
}

}  // namespace korvane
