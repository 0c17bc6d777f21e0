// SPDX-License-Identifier: GPL-3.0-or-later
// What the table's windows hear from Windows, passed on to the table: clicks,
// the bet's scroll bar, keys, colours, paint, the close, the end of the session
// and a move to a monitor of another scale.
#include <windows.h>
// after windows.h, whose types they use
#include <commctrl.h>
#include <windowsx.h>

#include "winwindow/win_view.h"

namespace korvane {
namespace {

constexpr UINT kFirstFrame = WM_APP + 1;

bool takesClicksItself(const Widget& control) {
    return control.kind() == ControlKind::Label || control.kind() == ControlKind::PictureBox;
}

}  // namespace

LRESULT CALLBACK WinView::tableProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* view = reinterpret_cast<WinView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!view || !view->keys_) return DefWindowProcW(hwnd, message, wParam, lParam);
    return view->handle(message, wParam, lParam);
}

LRESULT WinView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) command(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_HSCROLL:
            scroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case kFirstFrame:
            if (onFirstFrame) onFirstFrame();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            mouseOnCloth(message, lParam);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (keyMessage(hwnd_, message, wParam, lParam)) return 0;
            break;
        case WM_ACTIVATE:
            keys_->activated(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED:
            rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (onClose) onClose();
            DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && onEndSession) onEndSession();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WinView::controlHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto* view = reinterpret_cast<WinView*>(data);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &WinView::controlHook, 1);
    const auto found = view->byWindow_.find(hwnd);
    if (found == view->byWindow_.end() || !view->keys_)
        return DefSubclassProc(hwnd, message, wParam, lParam);
    return view->controlMessage(*found->second, message, wParam, lParam);
}

LRESULT WinView::controlMessage(ControlWindow& self, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = self.hwnd;
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT object = spoken_.answer(*self.control, hwnd, wParam, lParam))
                return object;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (keyMessage(hwnd, message, wParam, lParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            if (mouseOnControl(self, message, lParam)) return 0;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            ring_->follow(GetFocus());
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool WinView::keyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR || message == WM_SYSCHAR) return keys_->swallowed(message);
    ring_->usedKeys(true, keys_->focusWindow());
    if (!keys_->key(message, wParam, lParam)) return false;
    // Windows keeps count of Alt's presses for the window's menu: it sees this one too.
    if (message == WM_SYSKEYDOWN && IsWindow(hwnd)) DefWindowProcW(hwnd, message, wParam, lParam);
    return true;
}

// A label or a picture: the first click of a pair clicks, the second press
// double-clicks, and the release after it does nothing.
bool WinView::mouseOnControl(ControlWindow& self, UINT message, LPARAM lParam) {
    if (message != WM_LBUTTONUP) ring_->usedKeys(false, keys_->focusWindow());
    if (swallowing()) return true;
    if (!takesClicksItself(*self.control)) return false;
    switch (message) {
        case WM_LBUTTONDOWN:
            self.mouse = {true, false};
            SetCapture(self.hwnd);
            return true;
        case WM_LBUTTONDBLCLK:
            self.mouse = {false, true};
            SetCapture(self.hwnd);
            form_.secondClick(*self.control);
            return true;
        default: {
            RECT inside;
            GetClientRect(self.hwnd, &inside);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const bool clicked =
                self.mouse.pressed && !self.mouse.afterDouble && PtInRect(&inside, at);
            self.mouse = {};
            if (GetCapture() == self.hwnd) ReleaseCapture();
            if (clicked) click(*self.control);
            return true;
        }
    }
}

void WinView::mouseOnCloth(UINT message, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message != WM_LBUTTONUP) ring_->usedKeys(false, keys_->focusWindow());
    if (message == WM_LBUTTONDOWN && switches_.press(at)) SetCapture(hwnd_);
    if (message == WM_LBUTTONUP) {
        if (GetCapture() == hwnd_) ReleaseCapture();
        if (Label* clicked = switches_.release(at)) form_.click(*clicked);
    }
    if (message == WM_LBUTTONDBLCLK)
        if (Label* twice = switches_.doubleClick(at)) form_.secondClick(*twice);
}

void WinView::command(HWND from) {
    const auto found = byWindow_.find(from);
    if (found == byWindow_.end()) return;
    Widget& control = *found->second->control;
    if (control.kind() == ControlKind::CheckBox)
        form_.setCheck(form_.Check1.value == 1 ? 0 : 1);  // ticked by the table, not by itself
    else if (control.kind() == ControlKind::Button)
        click(control);
}

void WinView::scroll(HWND bar, WORD code) {
    const auto found = byWindow_.find(bar);
    if (found == byWindow_.end()) return;
    ControlWindow& self = *found->second;
    const ScrollBar& bet = form_.HScroll1;
    SCROLLINFO track{sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    switch (code) {
        case SB_LINELEFT:
            form_.scrollTo(bet.value() - bet.smallChange);
            break;
        case SB_LINERIGHT:
            form_.scrollTo(bet.value() + bet.smallChange);
            break;
        case SB_PAGELEFT:
            form_.scrollTo(bet.value() - bet.largeChange);
            break;
        case SB_PAGERIGHT:
            form_.scrollTo(bet.value() + bet.largeChange);
            break;
        case SB_THUMBTRACK:
            GetScrollInfo(bar, SB_CTL, &track);
            self.dragging = true;
            form_.dragBet(track.nTrackPos);
            break;
        case SB_ENDSCROLL:
            if (!self.dragging) break;
            self.dragging = false;  // letting go always lands
            form_.endBetDrag();
            break;
        default:
            break;
    }
}

LRESULT WinView::colours(HDC dc, HWND control) {
    const auto found = byWindow_.find(control);
    if (found == byWindow_.end() || !found->second->shown)
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    const Shown& now = *found->second->shown;
    SetTextColor(dc, colorOf(now.fore));
    SetBkColor(dc, colorOf(now.back));
    return reinterpret_cast<LRESULT>(gdi_.brush(now.back));
}

void WinView::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd_, &ps);
    if (window_) FillRect(dc, &ps.rcPaint, gdi_.brush(window_->back));
    switches_.paint(dc, dpi_, gdi_);
    EndPaint(hwnd_, &ps);
    if (painted_) return;
    painted_ = true;
    // The controls paint after the cloth: tell of the frame once they have had their turn.
    PostMessageW(hwnd_, kFirstFrame, 0, 0);
}

}  // namespace korvane
