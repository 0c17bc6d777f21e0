// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/control_windows.h"

#include <uxtheme.h>

#include "winwindow/painted_controls.h"
#include "winwindow/wide_text.h"

namespace korvane {
namespace {

DWORD labelAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right:
            return SS_RIGHT;
        case Alignment::Centre:
            return SS_CENTER;
        case Alignment::Left:
            break;
    }
    return SS_LEFT;
}

struct Kind {
    const wchar_t* windowClass;
    DWORD style;
};

// Labels take the mouse (SS_NOTIFY) and show "&" as it is; the sound switch is
// ticked by the table, never by itself.
Kind kindOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | SS_LEFT};
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_CHECKBOX};
        case ControlKind::ScrollBar:
            return {L"SCROLLBAR", SBS_HORZ};
        case ControlKind::Frame:
            return {kFrameClass, WS_CLIPCHILDREN};
        default:
            return {kPictureClass, 0};
    }
}

void showPlace(const ControlWindow& self, const Shown& now, UINT dpi) {
    const PixelPlace p = atDpi(now.place, dpi);
    SetWindowPos(self.hwnd, nullptr, p.left, p.top, p.width, p.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A label switched off keeps its colours, as in the other windows; the table
// refuses its clicks itself.
bool disabledWindow(const ControlWindow& self, const Shown& now) {
    return !now.enabled && self.control->kind() != ControlKind::Label;
}

void showState(const ControlWindow& self, const Shown& now) {
    ShowWindow(self.hwnd, now.visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(self.hwnd, !disabledWindow(self, now));
}

void takeLook(ControlWindow& self, const Shown& now, UINT dpi, GdiCache& gdi) {
    self.font = gdi.font(now.font, dpi);
    self.back = gdi.brush(now.back);
    SendMessageW(self.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(self.font), FALSE);
}

void showLook(ControlWindow& self, const Shown& now, UINT dpi, GdiCache& gdi) {
    takeLook(self, now, dpi, gdi);
    if (self.control->kind() == ControlKind::Label) {
        const LONG_PTR style = GetWindowLongPtrW(self.hwnd, GWL_STYLE) & ~SS_TYPEMASK;
        SetWindowLongPtrW(self.hwnd, GWL_STYLE, style | labelAlignment(now.alignment));
    }
    InvalidateRect(self.hwnd, nullptr, TRUE);
}

void showRange(const ControlWindow& self, const Shown& now) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, now.range.min, now.range.max, 0, 0, 0};
    SetScrollInfo(self.hwnd, SB_CTL, &info, TRUE);
}

}  // namespace

HWND createControlWindow(ControlWindow& self, HWND parent, int id, const Shown& first, UINT dpi,
                         GdiCache& gdi) {
    Kind kind = kindOf(self.control->kind());
    if (self.control->kind() == ControlKind::Label)
        kind.style = (kind.style & ~SS_TYPEMASK) | labelAlignment(first.alignment);
    const PixelPlace p = atDpi(first.place, dpi);
    const DWORD state =
        (first.visible ? WS_VISIBLE : 0) | (disabledWindow(self, first) ? WS_DISABLED : 0);
    self.hwnd = CreateWindowExW(
        0, kind.windowClass, wide(first.text).c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | state, p.left, p.top, p.width, p.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), &self);
    // The switch's words take the table's colours only when drawn the classic way.
    if (self.control->kind() == ControlKind::CheckBox) SetWindowTheme(self.hwnd, L"", L"");
    takeLook(self, first, dpi, gdi);
    return self.hwnd;
}

void showControl(ControlWindow& self, const Shown& now, unsigned aspects, UINT dpi, GdiCache& gdi,
                 ImageBank& images) {
    self.shown = &now;
    if (aspects & kShownPlace) showPlace(self, now, dpi);
    if (aspects & kShownLook) showLook(self, now, dpi, gdi);
    if (aspects & kShownText) SetWindowTextW(self.hwnd, wide(now.text).c_str());
    if (aspects & (kShownPicture | kShownLook)) {
        self.bitmap = images.bitmap(now.picture, dpi, now.back);
        InvalidateRect(self.hwnd, nullptr, TRUE);
    }
    if (aspects & kShownCheck)
        SendMessageW(self.hwnd, BM_SETCHECK, now.check ? BST_CHECKED : BST_UNCHECKED, 0);
    if (aspects & kShownRange) showRange(self, now);
    if (aspects & kShownState) showState(self, now);
}

}  // namespace korvane
