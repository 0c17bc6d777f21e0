// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/win_services.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "winwindow/system_library.h"
#include "winwindow/wide_text.h"
#include "winwindow/window_kind.h"

namespace korvane {
namespace {

constexpr const wchar_t* kTimerClass = L"KorvaneTimers";

// The game breaks its lines with character 13.
std::wstring boxText(const std::string& text) {
    std::wstring lines;
    for (const wchar_t c : wide(text))
        lines += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    return lines;
}

// The box wide enough for its longest line, so the game's lines stay whole, in
// the dialog units a task dialog is measured in.
UINT widthFor(const std::wstring& text, HWND owner) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const HDC dc = GetDC(owner);
    const HGDIOBJ was = SelectObject(dc, font);
    TEXTMETRICW sizes{};
    GetTextMetricsW(dc, &sizes);
    LONG widest = 0;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(L'\r', start), text.size());
        SIZE line{};
        GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(end - start), &line);
        widest = std::max(widest, line.cx);
        start = end + 2;
    }
    DeleteObject(SelectObject(dc, was));
    ReleaseDC(owner, dc);
    const LONG units = widest * 4 / std::max<LONG>(sizes.tmAveCharWidth, 1);
    return static_cast<UINT>(std::clamp<LONG>(units + 50, 180, 480));  // the icon and margins
}

// Without the common controls 6 (a program started without its manifest) there
// is no task dialog: the system's own box asks instead, in the system's words,
// rather than the question going unasked and answered No.
int systemBox(const BoxRequest& request, const std::wstring& text, const std::wstring& title,
              HWND owner) {
    const UINT icon = request.icon == BoxIcon::Stop          ? MB_ICONERROR
                      : request.icon == BoxIcon::Information ? MB_ICONINFORMATION
                                                             : 0;
    const UINT buttons = request.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    return MessageBoxW(owner, text.c_str(), title.c_str(), buttons | icon);
}

}  // namespace

BoxAnswer WinBoxes::show(const BoxRequest& request) {
    const bool question = request.buttons == BoxButtons::YesNo;
    const std::wstring text = boxText(request.text), title = wide(request.title);
    const std::wstring ok = wide(request.ok), yes = L"&" + wide(request.yes),
                       no = L"&" + wide(request.no);
    const TASKDIALOG_BUTTON buttons[] = {{IDYES, yes.c_str()}, {IDNO, no.c_str()}};
    const TASKDIALOG_BUTTON okButton[] = {{IDOK, ok.c_str()}};
    TASKDIALOGCONFIG box{};
    box.cbSize = sizeof box;
    box.hwndParent = owner_;
    box.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    box.pszWindowTitle = title.c_str();
    box.pszContent = text.c_str();
    box.pButtons = question ? buttons : okButton;
    box.cButtons = question ? 2 : 1;
    box.nDefaultButton = question ? IDYES : IDOK;
    box.pszMainIcon = request.icon == BoxIcon::Stop          ? TD_ERROR_ICON
                      : request.icon == BoxIcon::Information ? TD_INFORMATION_ICON
                                                             : nullptr;
    box.cxWidth = widthFor(text, owner_);
    int pressed = 0;
    if (FAILED(TaskDialogIndirect(&box, &pressed, nullptr, nullptr)))
        pressed = systemBox(request, text, title, owner_);
    if (!question) return BoxAnswer::Ok;
    return pressed == IDYES ? BoxAnswer::Yes : BoxAnswer::No;
}

WinSound::~WinSound() {
    if (playSound_) playSound_(nullptr, nullptr, 0);
}

void WinSound::play(const std::string& file) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(wide(file).c_str(), MAX_PATH * 4, full, nullptr);
    if (length == 0 || length >= MAX_PATH * 4) return;
    const DWORD kind = GetFileAttributesW(full);
    if (kind == INVALID_FILE_ATTRIBUTES || (kind & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (auto cue = hold_.offer(full)) start(*cue);
}

void WinSound::ready() {
    if (auto cue = hold_.windowUp()) start(*cue);
}

void WinSound::start(const std::wstring& path) {
    if (!playSound_) playSound_ = systemFunction<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW");
    if (playSound_) playSound_(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

WinTimers::WinTimers() {
    registerWindowKind(kTimerClass, &WinTimers::procedure);
    messages_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(messages_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinTimers::~WinTimers() {
    for (const auto& [id, timer] : timers_)
        KillTimer(messages_, id);
    DestroyWindow(messages_);
}

void WinTimers::timerChanged(Timer& timer) {
    UINT_PTR id = 0;
    for (const auto& [known, which] : timers_)
        if (which == &timer) id = known;
    if (id == 0) timers_[id = timers_.size() + 1] = &timer;
    if (timer.running())
        SetTimer(messages_, id, static_cast<UINT>(timer.interval()), nullptr);  // counts afresh
    else
        KillTimer(messages_, id);  // and takes back a tick still waiting
}

LRESULT CALLBACK WinTimers::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WinTimers*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message != WM_TIMER || !self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto found = self->timers_.find(wParam);
    if (found != self->timers_.end() && found->second->running()) found->second->tick();
    return 0;
}

}  // namespace korvane
