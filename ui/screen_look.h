// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the table's twips and fonts come out on a screen, the same in every
// window: 15 twips to a pixel, and each font the design names drawn with a face
// of the same metrics, sized in pixels so the table looks alike on every screen.
#include <string>

#include "platform/control.h"

namespace korvane {

// A place in twips on a screen, to the nearest pixel.
int pixels(int twips);

struct PixelPlace {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelPlace&) const = default;
};
PixelPlace pixelPlace(const Place& place);

enum class FontKind { Sans, Serif, Mono };

struct ScreenFont {
    std::string face;      // the free face the table ships with, of the design's metrics
    std::string designed;  // the face the design names, for a system that has it
    FontKind kind = FontKind::Sans;
    int pixelSize = 11;  // 8.25 pt is 11 px
    bool bold = false;
    bool operator==(const ScreenFont&) const = default;
};
ScreenFont screenFont(const Font& font);

}  // namespace korvane
