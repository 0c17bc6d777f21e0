// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader finds in one control's window: the system's own object
// for it (its place, state and default action), with the role, name,
// description and value the table gives the control (ui/spoken.h). Windows asks
// for it with WM_GETOBJECT; it lives as long as the screen reader holds it, and
// from the moment the table is gone it tells only what the system knows.
#include <oleacc.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "ui/spoken.h"

namespace korvane {

// The table's words for its controls, shared with every object handed out;
// emptied when the window goes.
struct Voice {
    std::function<Spoken(const Widget&)> speak;
};

// The answer to WM_GETOBJECT for a control's window: its object for
// OBJID_CLIENT, and 0 (the system's own answer) for anything else.
LRESULT spokenObject(HWND hwnd, WPARAM wParam, LPARAM lParam, const Widget& control,
                     const std::shared_ptr<Voice>& voice);

LONG msaaRole(SpokenRole role);

}  // namespace korvane
