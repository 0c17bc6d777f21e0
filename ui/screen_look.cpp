// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_look.h"

#include <array>
#include <cmath>
#include <string_view>

namespace korvane {
namespace {

struct FaceRow {
    std::string_view designed, face;
    FontKind kind;
};

// The faces of fonts-liberation2, metric for metric; the dialog font and
// "MS Sans Serif" are sans-serif faces of Arial's widths.
constexpr std::array<FaceRow, 4> kFaces{{
    {"MS Sans Serif", "Liberation Sans", FontKind::Sans},
    {"Arial", "Liberation Sans", FontKind::Sans},
    {"Times New Roman", "Liberation Serif", FontKind::Serif},
    {"Courier New", "Liberation Mono", FontKind::Mono},
}};

}  // namespace

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

PixelPlace pixelPlace(const Place& place) {
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

ScreenFont screenFont(const Font& font) {
    ScreenFont screen{"Liberation Sans", font.name, FontKind::Sans,
                      static_cast<int>(std::lround(font.size * 96.0 / 72.0)), font.bold};
    for (const FaceRow& row : kFaces) {
        if (row.designed != font.name) continue;
        screen.face = row.face;
        screen.kind = row.kind;
    }
    return screen;
}

}  // namespace korvane
