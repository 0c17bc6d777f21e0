// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/win_keys.h"

#include <optional>

namespace korvane {
namespace {

// The access keys the buttons' captions mark with "&", with Alt alone.
TableKey altKey(WPARAM key, HeldKeys held) {
    if (held.shift || held.ctrl) return TableKey::Other;
    switch (key) {
        case 'S':
            return TableKey::AltS;
        case '1':
            return TableKey::Alt1;
        case '2':
            return TableKey::Alt2;
        default:
            return TableKey::Other;
    }
}

// Keys pressed alone (the keypad's Enter is Enter), Shift+Tab and Ctrl+Q.
TableKey plainKey(WPARAM key, HeldKeys held) {
    const bool shift = held.shift, ctrl = held.ctrl, alt = held.alt;
    if (key == VK_TAB && !ctrl && !alt) return shift ? TableKey::ShiftTab : TableKey::Tab;
    if (key == 'Q' && ctrl && !shift && !alt) return TableKey::CtrlQ;
    if (shift || ctrl || alt) return TableKey::Other;
    switch (key) {
        case VK_LEFT:
            return TableKey::Left;
        case VK_RIGHT:
            return TableKey::Right;
        case VK_UP:
            return TableKey::Up;
        case VK_DOWN:
            return TableKey::Down;
        case VK_PRIOR:
            return TableKey::PageUp;
        case VK_NEXT:
            return TableKey::PageDown;
        case VK_HOME:
            return TableKey::Home;
        case VK_END:
            return TableKey::End;
        case VK_SPACE:
            return TableKey::Space;
        case VK_RETURN:
            return TableKey::Enter;
        case VK_F1:
            return TableKey::F1;
        default:
            return TableKey::Other;
    }
}

bool clicksItself(const Widget& control) {
    return control.kind() == ControlKind::Button || control.kind() == ControlKind::CheckBox;
}

}  // namespace

HeldKeys heldKeys() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

TableKey tableKeyOf(UINT message, WPARAM key, HeldKeys held) {
    if (message == WM_SYSKEYDOWN) return altKey(key, held);
    return message == WM_KEYDOWN ? plainKey(key, held) : TableKey::Other;
}

WinKeys::WinKeys(HWND table, TableAccess& access, std::function<HWND(const Widget&)> windowFor,
                 std::function<const Widget*(HWND)> controlOf, std::function<void(Widget&)> click)
    : table_(table),
      access_(access),
      windowFor_(std::move(windowFor)),
      controlOf_(std::move(controlOf)),
      click_(std::move(click)) {}

bool WinKeys::key(UINT message, WPARAM key, LPARAM data) {
    swallowChar_ = false;
    const TableKey code = tableKeyOf(message, key, heldKeys());
    if (code == TableKey::Other) return false;
    const bool repeat = (data & (1 << 30)) != 0;
    const KeyAnswer answer = access_.decide(code, focused(), repeat);
    if (!answer.taken) return false;
    swallowChar_ = true;
    apply(answer);
    return true;
}

bool WinKeys::swallowed(UINT message) {
    const bool swallow = swallowChar_ && (message == WM_CHAR || message == WM_SYSCHAR);
    swallowChar_ = false;
    return swallow;
}

void WinKeys::apply(const KeyAnswer& answer) {
    switch (answer.deed) {
        case KeyDeed::Focus:
            if (answer.focus) focus(windowFor_(*answer.focus));
            return;
        case KeyDeed::Close:
            PostMessageW(table_, WM_CLOSE, 0, 0);
            return;
        case KeyDeed::Click:
            // The system's buttons and switch click themselves, so they go down
            // and tell of it as a click of the mouse does.
            if (clicksItself(*answer.control)) {
                SendMessageW(windowFor_(*answer.control), BM_CLICK, 0, 0);
                return;
            }
            click_(*answer.control);
            return;
        case KeyDeed::Scroll:
            access_.perform(answer);
            return;
        case KeyDeed::None:
            return;
    }
}

const Widget* WinKeys::focused() const {
    return controlOf_(focusWindow());
}

HWND WinKeys::focusWindow() const {
    return active() ? GetFocus() : kept_;
}

void WinKeys::focus(HWND window) {
    if (!window) window = table_;
    if (active())
        SetFocus(window);
    else
        kept_ = window == table_ ? nullptr : window;
}

void WinKeys::beforeRefresh() {
    // The window itself holds the focus until the round wants it somewhere.
    if (access_.letGo(focused())) focus(table_);
}

void WinKeys::afterRefresh() {
    const Widget* target = access_.settle(focused());
    if (target && windowFor_(*target) != focusWindow()) focus(windowFor_(*target));
}

void WinKeys::activated(bool active) {
    if (!active) {
        const HWND now = GetFocus();
        kept_ = now && IsChild(table_, now) ? now : nullptr;
        return;
    }
    const bool usable = kept_ && IsWindowVisible(kept_) && IsWindowEnabled(kept_);
    SetFocus(usable ? kept_ : table_);
}

}  // namespace korvane
