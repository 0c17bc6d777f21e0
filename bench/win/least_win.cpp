// SPDX-License-Identifier: GPL-3.0-or-later
// The least a table can be on Windows: the minimal window, with the table's
// manifest and common controls, and the twenty-two controls the table shows as
// it opens made as plain system windows (fifteen words, four empty card places,
// the Start button, the sound switch and the bet's scroll bar), nothing hidden,
// no art, no game. What the table takes beyond this is its own.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "bench/win/cloth_window.h"

namespace {

struct Made {
    const wchar_t* kind;
    const wchar_t* text;
    DWORD style;
    RECT at;  // left, top, width, height
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr Made kShown[] = {
    {L"STATIC", L"DEALER", kChild, {24, 16, 80, 16}},
    {L"STATIC", L"PLAYER", kChild, {24, 280, 80, 16}},
    {L"STATIC", L"0", kChild, {120, 16, 30, 16}},
    {L"STATIC", L"0", kChild, {120, 280, 30, 16}},
    {L"STATIC", L"1000", kChild, {560, 16, 60, 16}},
    {L"STATIC", L"Korvane Rules. ", kChild, {24, 500, 400, 16}},
    {L"STATIC", L"BET $", kChild, {270, 330, 50, 16}},
    {L"STATIC", L"10", kChild, {330, 330, 30, 16}},
    {L"STATIC", L"$", kChild, {540, 16, 12, 16}},
    {L"STATIC", L"$", kChild, {540, 40, 12, 16}},
    {L"STATIC", L"?", kChild, {600, 60, 12, 16}},
    {L"STATIC", L"?", kChild, {600, 90, 12, 16}},
    {L"STATIC", L"", kChild, {24, 460, 200, 16}},
    {L"STATIC", L"", kChild, {24, 480, 200, 16}},
    {L"STATIC", L"Settings", kChild, {480, 360, 180, 120}},
    {L"STATIC", L"", kChild | SS_SUNKEN, {24, 40, 71, 96}},
    {L"STATIC", L"", kChild | SS_SUNKEN, {104, 40, 71, 96}},
    {L"STATIC", L"", kChild | SS_SUNKEN, {24, 304, 71, 96}},
    {L"STATIC", L"", kChild | SS_SUNKEN, {104, 304, 71, 96}},
    {L"BUTTON", L"&Start", kChild | WS_TABSTOP | BS_PUSHBUTTON, {270, 420, 80, 28}},
    {L"BUTTON", L"Sounds", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, {490, 380, 80, 16}},
    {L"SCROLLBAR", L"", kChild | WS_TABSTOP | SBS_HORZ, {270, 360, 120, 16}},
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HWND window =
        korvane::bench::makeClothWindow(instance, L"KorvaneLeast", L"Least", WS_CLIPCHILDREN);
    const HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    for (const Made& made : kShown) {
        const HWND control =
            CreateWindowExW(0, made.kind, made.text, made.style, made.at.left, made.at.top,
                            made.at.right, made.at.bottom, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return 0;
}
