// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window itself: its title, outer size and cloth.
#include "platform/control.h"
#include "platform/image.h"

namespace korvane {

// The frame around the client area: borders and the title bar of the window the
// table was laid out in, so the given outer size leaves the designed client area.
constexpr int kFrameWidthTwips = 8 * kTwipsPerPixel;
constexpr int kFrameHeightTwips = 27 * kTwipsPerPixel;

class Window : public Control {
  public:
    explicit Window(std::string name) : Control(std::move(name), ControlKind::Window) {}
    std::string caption;
    int width = 0, height = 0;  // outer size, twips
    Colour backColor;
    Picture icon = nullptr;

    int clientWidth() const { return width > kFrameWidthTwips ? width - kFrameWidthTwips : 0; }
    int clientHeight() const { return height > kFrameHeightTwips ? height - kFrameHeightTwips : 0; }
    std::vector<Property> properties() const override;
};

}  // namespace korvane
