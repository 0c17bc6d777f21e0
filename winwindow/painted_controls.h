// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two kinds of control Windows has no window for: the picture box, which
// shows its image at its top-left corner without a border, and the frame, a
// captioned box with an etched edge that holds other controls and passes what
// they tell on to the table's window.
#include <windows.h>

namespace korvane {

inline constexpr const wchar_t* kPictureClass = L"KorvanePicture";
inline constexpr const wchar_t* kFrameClass = L"KorvaneFrame";

}  // namespace korvane
