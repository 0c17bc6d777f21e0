// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps what a screen reader is told in step with the table: every control's
// window names itself as the table says (access/spoken_table.h), in the language
// in force, and each change the table reports is an event of Windows'
// accessibility, so "Your Turn" or "YOU WIN" is spoken as it appears.
#include <windows.h>

#include <map>
#include <memory>

#include "access/spoken_table.h"
#include "winwindow/spoken_object.h"

namespace korvane {

class SpokenWindows {
  public:
    explicit SpokenWindows(const TableWindow& table);
    // The windows stop speaking for the table: what they would say is no longer here.
    ~SpokenWindows();
    SpokenWindows(const SpokenWindows&) = delete;
    SpokenWindows& operator=(const SpokenWindows&) = delete;

    void add(const Widget& control, HWND hwnd) { windows_[&control] = hwnd; }
    // WM_GETOBJECT for a control's window.
    LRESULT answer(const Widget& control, HWND hwnd, WPARAM wParam, LPARAM lParam) const {
        return spokenObject(hwnd, wParam, lParam, control, voice_);
    }
    // After every refresh: tell what changed since the last.
    void update();

  private:
    SpokenTable spoken_;
    std::shared_ptr<Voice> voice_;
    std::map<const Widget*, HWND> windows_;
};

}  // namespace korvane
