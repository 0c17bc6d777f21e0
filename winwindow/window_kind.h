// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A kind of window of the program's own: the class every window the table makes
// itself is registered under. Registering it again, as a second table or a test
// does, finds it there already and changes nothing.
#include <windows.h>

namespace korvane {

// The class `name` run by `procedure`, with the arrow cursor; `style` adds to it
// (CS_DBLCLKS where a double click is two clicks of the table's). `icon` gives
// the program's own icon, resource 1, at each size Windows asks for.
inline void registerWindowKind(const wchar_t* name, WNDPROC procedure, UINT style = 0,
                               bool icon = false) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof kind;
    kind.style = style;
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (icon) {
        kind.hIcon = static_cast<HICON>(
            LoadImageW(kind.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        kind.hIconSm = static_cast<HICON>(LoadImageW(kind.hInstance, MAKEINTRESOURCEW(1),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
    }
    kind.lpszClassName = name;
    RegisterClassExW(&kind);
}

}  // namespace korvane
