// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/cheat_switches.h"

#include "winwindow/wide_text.h"

namespace korvane {

bool CheatSwitches::has(const Widget& control) const {
    for (const Switch& s : switches_)
        if (s.label == &control) return true;
    return false;
}

// The switches lie on the cloth itself, in no frame: their place is on the window.
void CheatSwitches::show(const Widget& label, const Shown& now, HWND cloth, UINT dpi) {
    for (Switch& s : switches_) {
        if (s.label != &label) continue;
        InvalidateRect(cloth, &s.place, TRUE);
        s.now = &now;
        const PixelPlace p = atDpi(now.place, dpi);
        s.place = {p.left, p.top, p.left + p.width, p.top + p.height};
        InvalidateRect(cloth, &s.place, TRUE);
    }
}

void CheatSwitches::rescale(HWND cloth, UINT dpi) {
    for (Switch& s : switches_)
        if (s.now) show(*s.label, *s.now, cloth, dpi);
}

void CheatSwitches::paint(HDC dc, UINT dpi, GdiCache& gdi) const {
    for (const Switch& s : switches_) {
        if (!s.now || !s.now->visible) continue;
        RECT place = s.place;
        FillRect(dc, &place, gdi.brush(s.now->back));
        const HGDIOBJ was = SelectObject(dc, gdi.font(s.now->font, dpi));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colorOf(s.now->fore));
        const std::wstring text = wide(s.now->text);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
                  DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, was);
    }
}

CheatSwitches::Switch* CheatSwitches::at(POINT point) {
    for (Switch& s : switches_)
        if (s.now && s.now->visible && s.label->usable() && PtInRect(&s.place, point)) return &s;
    return nullptr;
}

bool CheatSwitches::press(POINT at) {
    grabbed_ = this->at(at);
    if (grabbed_) grabbed_->mouse.pressed = true;
    return grabbed_ != nullptr;
}

Label* CheatSwitches::release(POINT at) {
    Switch* s = grabbed_;
    grabbed_ = nullptr;
    if (!s) return nullptr;
    const bool click = s->mouse.pressed && !s->mouse.afterDouble && PtInRect(&s->place, at);
    s->mouse = {};
    return click ? s->label : nullptr;
}

Label* CheatSwitches::doubleClick(POINT at) {
    grabbed_ = this->at(at);
    if (!grabbed_) return nullptr;
    grabbed_->mouse = {false, true};
    return grabbed_->label;
}

}  // namespace korvane
