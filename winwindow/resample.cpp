// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/resample.h"

#include <algorithm>
#include <cmath>

namespace korvane {
namespace {

// One pass along rows (`step` 4, the next pixel) or columns (`step` a row):
// `count` source pixels of `lines` lines become `wanted`.
std::vector<float> pass(const std::vector<float>& from, int count, int wanted, int lines,
                        bool alongRows) {
    std::vector<float> to(static_cast<size_t>(wanted) * lines * 4, 0.0f);
    const double scale = static_cast<double>(count) / wanted;
    for (int w = 0; w < wanted; ++w) {
        const double start = w * scale, end = start + scale;
        for (int s = static_cast<int>(start); s < count && s < end; ++s) {
            const double cover = std::min<double>(end, s + 1) - std::max<double>(start, s);
            const auto weight = static_cast<float>(cover / scale);
            for (int line = 0; line < lines; ++line) {
                const size_t in = alongRows ? (static_cast<size_t>(line) * count + s) * 4
                                            : (static_cast<size_t>(s) * lines + line) * 4;
                const size_t out = alongRows ? (static_cast<size_t>(line) * wanted + w) * 4
                                             : (static_cast<size_t>(w) * lines + line) * 4;
                for (int c = 0; c < 4; ++c)
                    to[out + c] += from[in + c] * weight;
            }
        }
    }
    return to;
}

}  // namespace

Pixels resampled(const Pixels& from, int width, int height) {
    if (from.width == width && from.height == height) return from;
    const std::vector<float> source(from.bgra.begin(), from.bgra.end());
    const std::vector<float> rows = pass(source, from.width, width, from.height, true);
    const std::vector<float> both = pass(rows, from.height, height, width, false);
    Pixels to{width, height, std::vector<uint8_t>(both.size())};
    std::transform(both.begin(), both.end(), to.bgra.begin(), [](float v) {
        return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
    });
    return to;
}

void overColour(Pixels& pixels, Rgb back) {
    const int colour[3] = {back.blue, back.green, back.red};
    for (size_t at = 0; at + 3 < pixels.bgra.size(); at += 4) {
        const int through = 255 - pixels.bgra[at + 3];
        for (int c = 0; c < 3; ++c)
            pixels.bgra[at + c] =
                static_cast<uint8_t>(pixels.bgra[at + c] + (colour[c] * through + 127) / 255);
        pixels.bgra[at + 3] = 255;
    }
}

}  // namespace korvane
