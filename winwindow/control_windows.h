// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of Windows' own for each control on the table, kept in step with
// the table. Buttons, the sound switch, the bet's scroll bar and the labels are
// the system's controls (BUTTON, SCROLLBAR, STATIC), so a screen reader knows
// them; a card place is a window that paints its picture, a frame one that
// paints its edge and caption and holds the controls inside it.
#include <windows.h>

#include "platform/control.h"
#include "ui/screen_table.h"
#include "winwindow/image_bank.h"
#include "winwindow/win_look.h"

namespace korvane {

// A label or picture pressed with the mouse: the first click of a pair clicks,
// the second press double-clicks, and the release after it does nothing.
struct MouseClicks {
    bool pressed = false;
    bool afterDouble = false;
};

struct ControlWindow {
    Widget* control = nullptr;
    HWND hwnd = nullptr;
    const Shown* shown = nullptr;  // as the screen table last told it
    HFONT font = nullptr;
    HBRUSH back = nullptr;
    HBITMAP bitmap = nullptr;  // a picture's art at the window's scale
    MouseClicks mouse;
    bool dragging = false;  // the bet's thumb is held
};

// Registers the table's own kinds of window (pictures, frames) for the program.
void registerControlClasses();

// The window for a control, a child of `parent`, made with its first place,
// text, state and look (`first`, at `dpi`): each told afterwards would be another
// round of messages for every control before the first frame. `self` stays with it.
HWND createControlWindow(ControlWindow& self, HWND parent, int id, const Shown& first, UINT dpi,
                         GdiCache& gdi);

// Shows what changed of the control (ShownAspect bits) at the window's `dpi`.
void showControl(ControlWindow& self, const Shown& now, unsigned aspects, UINT dpi, GdiCache& gdi,
                 ImageBank& images);

// What a window is made with, left out of its first showControl.
constexpr unsigned kMadeAspects = kShownState | kShownPlace | kShownText | kShownLook;
// Every aspect a control shows, for a change of the monitor's scale.
constexpr unsigned kScaledAspects = kShownPlace | kShownLook | kShownPicture;

}  // namespace korvane
