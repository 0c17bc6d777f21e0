// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/focus_ring.h"

#include <algorithm>

#include "winwindow/win_look.h"
#include "winwindow/window_kind.h"

namespace korvane {
namespace {

constexpr const wchar_t* kRingClass = L"KorvaneFocusRing";
constexpr int kBands = 5;  // black, three of yellow, black

int bandWidth(HWND hwnd) {
    return std::max(1, atDpi(1, GetDpiForWindow(hwnd)));
}

}  // namespace

FocusRing::FocusRing(HWND table) : table_(table) {
    registerWindowKind(kRingClass, &FocusRing::procedure);
    ring_ = CreateWindowExW(0, kRingClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_DISABLED, 0, 0, 0,
                            0, table, nullptr, GetModuleHandleW(nullptr), nullptr);
}

FocusRing::~FocusRing() {
    if (IsWindow(ring_)) DestroyWindow(ring_);
}

void FocusRing::usedKeys(bool keys, HWND focused) {
    if (keys == keys_) return;
    keys_ = keys;
    follow(focused);
}

void FocusRing::follow(HWND focused) {
    const bool wanted = keys_ && focused && focused != table_ && IsWindowVisible(focused) &&
                        IsChild(table_, focused);
    if (!wanted) {
        ShowWindow(ring_, SW_HIDE);
        return;
    }
    RECT around;
    GetWindowRect(focused, &around);
    MapWindowPoints(HWND_DESKTOP, table_, reinterpret_cast<POINT*>(&around), 2);
    // The outer black and the yellow lie just outside the control, the inner
    // black on its edge, so neighbours a few pixels away stay uncovered.
    const int band = bandWidth(table_), outside = (kBands - 1) * band;
    InflateRect(&around, outside, outside);
    const int width = around.right - around.left, height = around.bottom - around.top;
    const HRGN ring = CreateRectRgn(0, 0, width, height);
    const HRGN hole =
        CreateRectRgn(kBands * band, kBands * band, width - kBands * band, height - kBands * band);
    CombineRgn(ring, ring, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(ring_, ring, FALSE);  // the window owns the region from here
    SetWindowPos(ring_, HWND_TOP, around.left, around.top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(ring_, nullptr, TRUE);
}

LRESULT CALLBACK FocusRing::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT edge;
    GetClientRect(hwnd, &edge);
    const int band = bandWidth(hwnd);
    const COLORREF bands[kBands] = {RGB(0, 0, 0), RGB(255, 255, 0), RGB(255, 255, 0),
                                    RGB(255, 255, 0), RGB(0, 0, 0)};
    for (const COLORREF colour : bands) {
        const HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &edge, brush);
        DeleteObject(brush);
        InflateRect(&edge, -band, -band);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace korvane
