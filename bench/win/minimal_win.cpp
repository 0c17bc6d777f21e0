// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline on Windows: a program of the windows' own subsystem that shows
// one window the table's size, in the table's frame, and paints it once in the
// cloth's green.
#include <windows.h>

#include "bench/win/cloth_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const HWND window = korvane::bench::makeClothWindow(instance, L"KorvaneMinimal", L"Minimal", 0);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
