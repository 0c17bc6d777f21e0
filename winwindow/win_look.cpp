// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/win_look.h"

#include <cmath>

#include "winwindow/wide_text.h"

namespace korvane {
namespace {

bool installed(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    const HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

BYTE familyOf(FontKind kind) {
    switch (kind) {
        case FontKind::Serif:
            return FF_ROMAN | VARIABLE_PITCH;
        case FontKind::Mono:
            return FF_MODERN | FIXED_PITCH;
        case FontKind::Sans:
            break;
    }
    return FF_SWISS | VARIABLE_PITCH;
}

}  // namespace

int atDpi(int pixels, UINT dpi) {
    return static_cast<int>(std::lround(pixels * static_cast<double>(dpi) / kDesignDpi));
}

PixelPlace atDpi(const PixelPlace& place, UINT dpi) {
    const int left = atDpi(place.left, dpi), top = atDpi(place.top, dpi);
    return {left, top, atDpi(place.left + place.width, dpi) - left,
            atDpi(place.top + place.height, dpi) - top};
}

COLORREF colorOf(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

std::wstring windowsFace(const ScreenFont& font) {
    const std::wstring designed =
        font.designed == "MS Sans Serif" ? L"Microsoft Sans Serif" : wide(font.designed);
    if (!designed.empty() && installed(designed)) return designed;
    return wide(font.face);
}

GdiCache::~GdiCache() {
    for (const auto& [key, font] : fonts_)
        DeleteObject(font);
    for (const auto& [colour, brush] : brushes_)
        DeleteObject(brush);
}

HFONT GdiCache::font(const ScreenFont& font, UINT dpi) {
    const FontKey key{font.designed, font.pixelSize, font.bold, static_cast<int>(font.kind), dpi};
    if (const auto made = fonts_.find(key); made != fonts_.end()) return made->second;
    auto face = faces_.find(font.designed);
    if (face == faces_.end()) face = faces_.emplace(font.designed, windowsFace(font)).first;
    LOGFONTW wanted{};
    wanted.lfHeight = -atDpi(font.pixelSize, dpi);  // the em, as the other windows size it
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfQuality = CLEARTYPE_QUALITY;
    wanted.lfPitchAndFamily = familyOf(font.kind);
    face->second.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    return fonts_[key] = CreateFontIndirectW(&wanted);
}

HBRUSH GdiCache::brush(Rgb rgb) {
    HBRUSH& brush = brushes_[colorOf(rgb)];
    if (!brush) brush = CreateSolidBrush(colorOf(rgb));
    return brush;
}

}  // namespace korvane
