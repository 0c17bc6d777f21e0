// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the window keeps them: a 32-bit value &H00BBGGRR, or a system
// colour &H800000nn, written as the game's colour text "&H000000FF".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

class Colour {
  public:
    constexpr Colour() = default;
    static constexpr Colour rgb(int red, int green, int blue) {
        return Colour(static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
                      static_cast<uint32_t>(blue) << 16);
    }
    static constexpr Colour fromValue(uint32_t value) { return Colour(value); }
    // "&H000000FF", "&H8000000F", "&HFF" and the like; nothing else is a colour.
    static std::optional<Colour> fromText(std::string_view text);

    uint32_t value() const { return value_; }
    bool isSystem() const { return (value_ & 0x80000000u) != 0; }
    std::string text() const;  // always "&H" and eight hex digits
    Rgb resolved() const;      // system colours as the desktop shows them

    bool operator==(const Colour&) const = default;

  private:
    constexpr explicit Colour(uint32_t value) : value_(value) {}
    uint32_t value_ = 0;
};

}  // namespace korvane
