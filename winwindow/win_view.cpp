// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/win_view.h"

#include <commctrl.h>

#include "winwindow/wide_text.h"
#include "winwindow/window_kind.h"

namespace korvane {
namespace {

constexpr DWORD kTableStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kFirstId = 100;

void registerTableClass(WNDPROC procedure) {
    registerWindowKind(kTableClass, procedure, CS_DBLCLKS, true);
    registerControlClasses();
}

}  // namespace

WinView::WinView(Form1& form) : form_(form), access_(form), screen_(form), spoken_(form) {
    registerTableClass(&WinView::tableProc);
    hwnd_ = CreateWindowExW(0, kTableClass, L"", kTableStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = GetDpiForWindow(hwnd_);
    const std::vector<ShownChange> first = screen_.update();
    createWindows(first);
    ring_ = std::make_unique<FocusRing>(hwnd_);
    keys_ = std::make_unique<WinKeys>(
        hwnd_, access_, [this](const Widget& control) { return windowFor(control); },
        [this](HWND window) { return controlOf(window); },
        [this](Widget& control) { click(control); });
    // The one place the screen catches up with the table: after every event it
    // handles, and before every box it opens.
    form_.afterEvent = [this] { refresh(); };
    refreshWith(first, kMadeAspects);
}

WinView::~WinView() {
    form_.afterEvent = nullptr;
    keys_.reset();
    ring_.reset();
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);  // from here it tells the table nothing
        DestroyWindow(hwnd_);
    }
}

void WinView::createWindows(const std::vector<ShownChange>& first) {
    std::map<const Widget*, const Shown*> firstShown;
    for (const ShownChange& change : first)
        firstShown[change.control] = change.now;
    const Shown unseen;
    int id = kFirstId;
    for (Widget* control : screen_.controls()) {
        if (access_.secret(*control)) {
            switches_.add(static_cast<Label&>(*control));
            continue;
        }
        auto made = std::make_unique<ControlWindow>();
        made->control = control;
        const auto frame =
            control->container ? byControl_.find(control->container) : byControl_.end();
        const HWND parent = frame != byControl_.end() ? frame->second->hwnd : hwnd_;
        const auto shown = firstShown.find(control);
        const HWND window = createControlWindow(
            *made, parent, id++, shown != firstShown.end() ? *shown->second : unseen, dpi_, gdi_);
        SetWindowSubclass(window, &WinView::controlHook, 1, reinterpret_cast<DWORD_PTR>(this));
        spoken_.add(*control, window);
        byWindow_[window] = made.get();
        byControl_[control] = made.get();
        controls_.push_back(std::move(made));
    }
    // The card-back chooser opens over everything on the table.
    if (const HWND chooser = windowFor(form_.Frame4))
        SetWindowPos(chooser, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND WinView::windowFor(const Widget& control) const {
    const auto found = byControl_.find(&control);
    return found == byControl_.end() ? nullptr : found->second->hwnd;
}

const Widget* WinView::controlOf(HWND window) const {
    const auto found = byWindow_.find(window);
    return found == byWindow_.end() ? nullptr : found->second->control;
}

void WinView::refresh() {
    refreshWith(screen_.update(), 0);
}

void WinView::refreshWith(const std::vector<ShownChange>& changes, unsigned made) {
    keys_->beforeRefresh();
    refreshWindow(false);
    for (const ShownChange& change : changes) {
        if (const auto window = byControl_.find(change.control); window != byControl_.end())
            showControl(*window->second, *change.now, change.aspects & ~made, dpi_, gdi_, images_);
        else if (switches_.has(*change.control))
            switches_.show(*change.control, *change.now, hwnd_, dpi_);
    }
    // The switch and the bet go back to what the table holds, if it did not follow.
    const CheckBox& sounds = form_.Check1;
    if (const HWND check = windowFor(sounds))
        SendMessageW(check, BM_SETCHECK, sounds.value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    if (const auto bar = byControl_.find(&form_.HScroll1);
        bar != byControl_.end() && !bar->second->dragging)
        SetScrollPos(bar->second->hwnd, SB_CTL, form_.HScroll1.value(), TRUE);
    spoken_.update();
    keys_->afterRefresh();
    ring_->follow(keys_->focusWindow());
}

void WinView::refreshWindow(bool rescaled) {
    bool changed = false;
    window_ = &screen_.window(changed);
    if (!changed && !rescaled) return;
    SetWindowTextW(hwnd_, wide(window_->title).c_str());
    RECT outer{0, 0, atDpi(window_->width, dpi_), atDpi(window_->height, dpi_)};
    AdjustWindowRectExForDpi(&outer, kTableStyle, FALSE, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The window moved to a monitor of another scale: every control anew at its size.
void WinView::rescale(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& made : controls_)
        if (made->shown) showControl(*made, *made->shown, kScaledAspects, dpi_, gdi_, images_);
    switches_.rescale(hwnd_, dpi_);
    refreshWindow(true);
    ring_->follow(keys_->focusWindow());
}

void WinView::click(Widget& control) {
    form_.click(control);
    // A click that took away the control it landed on (a back chosen closes the
    // chooser) keeps the rest of its double click from what lay beneath.
    if (!control.shown()) swallowUntil_ = GetTickCount64() + GetDoubleClickTime();
}

bool WinView::swallowing() const {
    return GetTickCount64() < swallowUntil_;
}

}  // namespace korvane
