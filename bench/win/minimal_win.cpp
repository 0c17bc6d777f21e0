// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline on Windows: a program of the windows' own subsystem that shows
// one window the table's size, in the table's frame, and paints it once in the
// cloth's green.
#include <windows.h>

namespace {

// The table's inside at 96 dpi, as its window shows it.
constexpr int kWidth = 693, kHeight = 563;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);  // the class's brush has filled it
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = procedure;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.hbrBackground = CreateSolidBrush(RGB(0, 128, 0));
    kind.lpszClassName = L"KorvaneMinimal";
    RegisterClassExW(&kind);
    RECT outer{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, kind.lpszClassName, L"Minimal", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
