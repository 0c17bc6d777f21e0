// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard of the Windows window. Every decision is the table's
// (TableAccess, access/table_access.h): this maps Windows' keys to the table's,
// tells it which control has the focus, does the click or the move of the bet it
// answers, and puts Windows' focus where it says. While a box is open the focus
// the table wants is kept, and given when the window is active again.
#include <windows.h>

#include <functional>

#include "access/table_access.h"

namespace korvane {

// Shift, Ctrl and Alt, down or not as a key arrives.
struct HeldKeys {
    bool shift = false, ctrl = false, alt = false;
};
HeldKeys heldKeys();
// The table's key for WM_KEYDOWN or WM_SYSKEYDOWN of virtual key `key`;
// TableKey::Other for a key that is none of the table's.
TableKey tableKeyOf(UINT message, WPARAM key, HeldKeys held);

class WinKeys {
  public:
    WinKeys(HWND table, TableAccess& access, std::function<HWND(const Widget&)> windowFor,
            std::function<const Widget*(HWND)> controlOf, std::function<void(Widget&)> click);

    // WM_KEYDOWN or WM_SYSKEYDOWN on one of the table's windows: true when the
    // table took the key, and nothing else may have it.
    bool key(UINT message, WPARAM key, LPARAM data);
    // WM_CHAR or WM_SYSCHAR: true for the character of a key the table took
    // (Alt and a letter would otherwise ring the bell of the window's menu).
    bool swallowed(UINT message);

    // Around every refresh of the table: a control about to be switched off or
    // hidden gives up the focus first; afterwards the focus goes where the round
    // needs it.
    void beforeRefresh();
    void afterRefresh();
    // WM_ACTIVATE: the focus is kept while another window is active.
    void activated(bool active);

    const Widget* focused() const;
    HWND focusWindow() const;

  private:
    void apply(const KeyAnswer& answer);
    void focus(HWND window);
    bool active() const { return GetActiveWindow() == table_; }

    HWND table_;
    TableAccess& access_;
    std::function<HWND(const Widget&)> windowFor_;
    std::function<const Widget*(HWND)> controlOf_;
    std::function<void(Widget&)> click_;
    HWND kept_ = nullptr;  // the focus while another window is active
    bool swallowChar_ = false;
};

}  // namespace korvane
