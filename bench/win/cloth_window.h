// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the bench's two baselines show: the table's inside at 96 dpi, in
// the table's frame, painted once in the cloth's green by its class's brush.
#include <windows.h>

namespace korvane::bench {

inline LRESULT CALLBACK clothProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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

// A window of the class `kind`, with `extraStyle` beside the table's frame.
inline HWND makeClothWindow(HINSTANCE instance, const wchar_t* kind, const wchar_t* title,
                            DWORD extraStyle) {
    constexpr int kWidth = 693, kHeight = 563;
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = clothProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(0, 128, 0));
    windowClass.lpszClassName = kind;
    RegisterClassExW(&windowClass);
    RECT outer{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    return CreateWindowExW(0, kind, title, kStyle | extraStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                           instance, nullptr);
}

}  // namespace korvane::bench
