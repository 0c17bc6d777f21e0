// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cheat switch and the unseen "X" beside the player's row are painted on the
// cloth and take the mouse there, without a window of their own: no Tab stop, no
// key and no screen reader ever finds them.
#include <windows.h>

#include <vector>

#include "platform/controls.h"
#include "ui/screen_table.h"
#include "winwindow/control_windows.h"

namespace korvane {

class CheatSwitches {
  public:
    void add(Label& label) { switches_.push_back(Switch{&label, nullptr, {}, {}}); }
    bool has(const Widget& control) const;
    // Repaints a switch whose look has changed.
    void show(const Widget& label, const Shown& now, HWND cloth, UINT dpi);
    // Every switch anew at another scale.
    void rescale(HWND cloth, UINT dpi);
    void paint(HDC dc, UINT dpi, GdiCache& gdi) const;

    // The mouse on the cloth: the switch a press grabbed, the one a release
    // clicks and the one a second press double-clicks; nullptr where none.
    bool press(POINT at);
    Label* release(POINT at);
    Label* doubleClick(POINT at);

  private:
    struct Switch {
        Label* label;
        const Shown* now = nullptr;
        RECT place{};
        MouseClicks mouse;
    };
    Switch* at(POINT point);

    std::vector<Switch> switches_;
    Switch* grabbed_ = nullptr;  // the one the button went down on
};

}  // namespace korvane
