// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card art at another size: each new pixel the average of what it covers of
// the old ones, which keeps the art drawn at twice the size crisp at 150 %.
#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace korvane {

// Premultiplied blue, green, red and alpha, top row first.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint8_t> bgra;
};

Pixels resampled(const Pixels& from, int width, int height);
// Laid over a plain colour: what shows through where the art is transparent.
void overColour(Pixels& pixels, Rgb back);

}  // namespace korvane
