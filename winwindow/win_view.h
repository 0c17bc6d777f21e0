// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table on a Windows screen: one top-level window with a window of the
// system's own for every control, refreshed from the table after every event,
// drawn at each monitor's own scale. It only shows and forwards: what a click,
// a key or a tick does is the table's.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "access/table_access.h"
#include "table/form1.h"
#include "ui/screen_table.h"
#include "winwindow/cheat_switches.h"
#include "winwindow/control_windows.h"
#include "winwindow/focus_ring.h"
#include "winwindow/image_bank.h"
#include "winwindow/spoken_windows.h"
#include "winwindow/win_keys.h"
#include "winwindow/win_look.h"

namespace korvane {

inline constexpr const wchar_t* kTableClass = L"KorvaneTable";

class WinView {
  public:
    explicit WinView(Form1& form);
    ~WinView();
    WinView(const WinView&) = delete;
    WinView& operator=(const WinView&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Brings every window in step with the table.
    void refresh();
    HWND windowFor(const Widget& control) const;
    const Widget* controlOf(HWND window) const;
    const Widget* focused() const { return keys_->focused(); }
    UINT dpi() const { return dpi_; }

    // The player closes the window: runs before it goes.
    std::function<void()> onClose;
    // Windows ends the session (a log-off, a shut-down): the cash must be kept now.
    std::function<void()> onEndSession;
    // Runs once, after the first frame has been painted.
    std::function<void()> onFirstFrame;

  private:
    static LRESULT CALLBACK tableProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR view);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT controlMessage(ControlWindow& self, UINT message, WPARAM wParam, LPARAM lParam);
    bool keyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool mouseOnControl(ControlWindow& self, UINT message, LPARAM lParam);
    void mouseOnCloth(UINT message, LPARAM lParam);
    void command(HWND from);
    void scroll(HWND bar, WORD code);
    LRESULT colours(HDC dc, HWND control);
    void paint();

    void createWindows(const std::vector<ShownChange>& first);
    // Shows `changes`, but of the windows only the aspects not in `made`.
    void refreshWith(const std::vector<ShownChange>& changes, unsigned made);
    void refreshWindow(bool rescaled);
    void rescale(UINT dpi, const RECT& suggested);
    void click(Widget& control);
    bool swallowing() const;

    Form1& form_;
    TableAccess access_;
    ScreenTable screen_;
    GdiCache gdi_;
    ImageBank images_;
    SpokenWindows spoken_;
    CheatSwitches switches_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = kDesignDpi;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::map<HWND, ControlWindow*> byWindow_;
    std::map<const Widget*, ControlWindow*> byControl_;
    std::unique_ptr<FocusRing> ring_;
    std::unique_ptr<WinKeys> keys_;
    const ShownWindow* window_ = nullptr;
    ULONGLONG swallowUntil_ = 0;  // the rest of a double click that took its control away
    bool painted_ = false;
};

}  // namespace korvane
