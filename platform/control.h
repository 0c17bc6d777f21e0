// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's controls as the game sees them: plain objects holding exactly the
// properties the handlers read and write, laid out in twips (15 twips a pixel).
#include <string>
#include <utility>
#include <vector>

#include "platform/colour.h"

namespace korvane {

enum class ControlKind {
    Window,
    Label,
    Button,
    Frame,
    PictureBox,
    CheckBox,
    ScrollBar,
    ListBox,
    Timer
};

constexpr int kTwipsPerPixel = 15;

struct Place {
    int left = 0, top = 0, width = 0, height = 0;  // twips, from the container's top-left
    bool operator==(const Place&) const = default;
};

enum class Alignment { Left, Right, Centre };

// Fonts by the names the table was designed with; the window maps them to
// installed faces of the same metrics.
struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool operator==(const Font&) const = default;
};

using Property = std::pair<std::string, std::string>;

inline std::string boolText(bool value) {
    return value ? "True" : "False";
}

class Control {
  public:
    Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    // Every property by its name, as the game's texts write it ("True", "&H000000FF").
    virtual std::vector<Property> properties() const = 0;

  private:
    std::string name_;
    ControlKind kind_;
};

// A control with a place on the window.
class Widget : public Control {
  public:
    using Control::Control;

    Place place;
    bool visible = true;
    bool enabled = true;
    Colour backColor = Colour::fromValue(0x8000000Fu);
    Colour foreColor = Colour::fromValue(0x80000012u);
    Font font;
    const Widget* container = nullptr;  // the frame it sits in; nullptr for the window

    // Visible, and so is every frame around it.
    bool shown() const;
    // Enabled, and so is every frame around it.
    bool usable() const;
    // Its place on the window's client area, through the frames around it.
    Place placeOnWindow() const;

  protected:
    void addCommon(std::vector<Property>& out) const;
};

}  // namespace korvane
