// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colour.h"

#include <array>
#include <cstdio>

namespace korvane {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The classic desktop's system colours, by index; the game uses the button face.
constexpr std::array<Rgb, 25> kSystemColours{{
    {212, 208, 200}, {58, 110, 165},  {10, 36, 106},   {128, 128, 128}, {212, 208, 200},
    {255, 255, 255}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255},
    {212, 208, 200}, {212, 208, 200}, {128, 128, 128}, {10, 36, 106},   {255, 255, 255},
    {212, 208, 200}, {128, 128, 128}, {128, 128, 128}, {0, 0, 0},       {212, 208, 200},
    {255, 255, 255}, {64, 64, 64},    {212, 208, 200}, {0, 0, 0},       {255, 255, 225},
}};

}  // namespace

std::optional<Colour> Colour::fromText(std::string_view text) {
    if (text.size() < 3 || text.size() > 10 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    uint32_t value = 0;
    for (char c : text.substr(2)) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(d);
    }
    return Colour(value);
}

std::string Colour::text() const {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "&H%08X", value_);
    return buffer;
}

Rgb Colour::resolved() const {
    if (isSystem()) {
        const uint32_t index = value_ & 0xFFu;
        return index < kSystemColours.size() ? kSystemColours[index] : Rgb{};
    }
    return {static_cast<int>(value_ & 0xFF), static_cast<int>(value_ >> 8 & 0xFF),
            static_cast<int>(value_ >> 16 & 0xFF)};
}

}  // namespace korvane
