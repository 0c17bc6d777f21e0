// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A yellow ring around the control with the keyboard's focus, once the player
// uses the keys, and gone again at the next press of the mouse. It lies just
// outside the control, over the cloth, and the mouse goes through it.
#include <windows.h>

namespace korvane {

class FocusRing {
  public:
    explicit FocusRing(HWND table);
    ~FocusRing();
    FocusRing(const FocusRing&) = delete;
    FocusRing& operator=(const FocusRing&) = delete;

    // The player's last input: a key (true) or the mouse (false).
    void usedKeys(bool keys, HWND focused);
    // Around `focused` (one of the table's windows, or nullptr: nowhere).
    void follow(HWND focused);

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND table_;
    HWND ring_ = nullptr;
    bool keys_ = false;
};

}  // namespace korvane
