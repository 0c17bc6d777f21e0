// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's pixels at a monitor's scale, and the fonts and brushes it is drawn
// with. Places are laid out at 96 dots an inch (ui/screen_look.h); a monitor at
// 150 % has 144, and every edge moves to the nearest of its pixels, so
// neighbours stay as close as they are at 100 %.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/screen_look.h"

namespace korvane {

constexpr UINT kDesignDpi = 96;

int atDpi(int pixels, UINT dpi);
PixelPlace atDpi(const PixelPlace& place, UINT dpi);
COLORREF colorOf(Rgb rgb);

// The face Windows draws a font of the design with: the one the design names
// where Windows has it ("MS Sans Serif" is "Microsoft Sans Serif" there), else
// the free face of the same widths the table ships with elsewhere.
std::wstring windowsFace(const ScreenFont& font);

// Fonts and brushes, each made once and kept for the life of the window.
class GdiCache {
  public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;
    ~GdiCache();

    HFONT font(const ScreenFont& font, UINT dpi);
    HBRUSH brush(Rgb rgb);

  private:
    using FontKey = std::tuple<std::string, int, bool, int, UINT>;
    std::map<FontKey, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    std::map<std::string, std::wstring> faces_;  // the face each design font comes out as
};

}  // namespace korvane
