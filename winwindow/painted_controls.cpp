// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/painted_controls.h"

#include <algorithm>
#include <string>

#include "winwindow/control_windows.h"
#include "winwindow/window_kind.h"

namespace korvane {
namespace {

ControlWindow* selfOf(HWND hwnd) {
    return reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

COLORREF scaled(Rgb rgb, double by) {
    const auto part = [by](int c) { return static_cast<BYTE>(std::min(255.0, c * by)); };
    return RGB(part(rgb.red), part(rgb.green), part(rgb.blue));
}

void line(HDC dc, RECT box, COLORREF colour) {
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    const HGDIOBJ was = SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    DeleteObject(SelectObject(dc, was));
}

void paintPicture(const ControlWindow& self, HDC dc, const RECT& area) {
    if (self.back) FillRect(dc, &area, self.back);
    if (!self.bitmap) return;
    BITMAP size{};
    GetObjectW(self.bitmap, sizeof size, &size);
    const HDC art = CreateCompatibleDC(dc);
    const HGDIOBJ was = SelectObject(art, self.bitmap);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, art, 0, 0, SRCCOPY);
    SelectObject(art, was);
    DeleteDC(art);
}

// An etched edge, a dark line with a light one just inside it, broken by the caption.
void paintFrame(const ControlWindow& self, HDC dc, const RECT& area, HWND hwnd) {
    if (!self.shown || !self.back) return;
    FillRect(dc, &area, self.back);
    const HGDIOBJ was = SelectObject(dc, self.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int edge = metrics.tmHeight / 2;
    const RECT box{0, edge, area.right - 1, area.bottom - 1};
    line(dc, box, scaled(self.shown->back, 1 / 1.7));
    line(dc, {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1},
         scaled(self.shown->back, 1.6));
    wchar_t caption[256] = L"";
    const int length = GetWindowTextW(hwnd, caption, 256);
    if (length > 0) {
        SIZE text{};
        GetTextExtentPoint32W(dc, caption, length, &text);
        RECT place{8, 0, 8 + text.cx + 4, metrics.tmHeight};
        FillRect(dc, &place, self.back);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colorOf(self.shown->fore));
        DrawTextW(dc, caption, length, &place, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, was);
}

void paint(HWND hwnd, HDC dc, bool frame) {
    const ControlWindow* self = selfOf(hwnd);
    RECT area;
    GetClientRect(hwnd, &area);
    if (!self) return;
    if (frame)
        paintFrame(*self, dc, area, hwnd);
    else
        paintPicture(*self, dc, area);
}

LRESULT CALLBACK paintedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool frame) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            paint(hwnd, dc, frame);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(hwnd, reinterpret_cast<HDC>(wParam), frame);
            return 0;
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            // What the controls in a frame tell, the table's window hears.
            if (frame) return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK pictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return paintedProc(hwnd, message, wParam, lParam, false);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return paintedProc(hwnd, message, wParam, lParam, true);
}

}  // namespace

void registerControlClasses() {
    for (const auto& [name, proc] :
         {std::pair{kPictureClass, &pictureProc}, std::pair{kFrameClass, &frameProc}}) {
        registerWindowKind(name, proc, CS_DBLCLKS);
    }
}

}  // namespace korvane
