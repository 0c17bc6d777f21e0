// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table in its real Windows window, in a scratch folder of its own, driven by
// the messages a player's keys and clicks send, on the real message loop. A box
// that no test expects fails the running test at once and is closed.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless/scripted_random.h"
#include "tests/winsys/scratch_folder.h"
#include "winwindow/wide_text.h"
#include "winwindow/win_table.h"

namespace korvane {

// The box open on this thread, if any: a dialog of the system's, shown.
inline HWND openBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t kind[16] = L"";
            GetClassNameW(hwnd, kind, 16);
            if (std::wstring(kind) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Every text a window and its children show, joined with '|'.
inline std::wstring textsIn(HWND window) {
    std::wstring all;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM out) -> BOOL {
            wchar_t text[512] = L"";
            GetWindowTextW(child, text, 512);
            *reinterpret_cast<std::wstring*>(out) += std::wstring(text) + L"|";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

// Runs the thread's messages until `done`, at most `ms`.
inline bool waitFor(const std::function<bool()>& done, DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        if (GetTickCount64() >= until) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The window as it stands on the screen, as a 24-bit BMP file at `file`.
inline bool saveShot(HWND window, const std::wstring& file) {
    // What waits to be painted is painted first.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT inside;
    GetClientRect(window, &inside);
    const int width = inside.right, height = inside.bottom, stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    const HDC screen = GetDC(window), copy = CreateCompatibleDC(screen);
    const HBITMAP shot = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ was = SelectObject(copy, shot);
    BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(copy, was);
    GetDIBits(copy, shot, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(shot);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER head{0x4d42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    const HANDLE out =
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool saved =
        WriteFile(out, &head, sizeof head, &written, nullptr) &&
        WriteFile(out, &header, sizeof header, &written, nullptr) &&
        WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return saved;
}

class WinWindowTest : public WindowsScratch {
  protected:
    void SetUp() override {
        WindowsScratch::SetUp();
        std::vector<wchar_t> here(32768);
        GetCurrentDirectoryW(static_cast<DWORD>(here.size()), here.data());
        was_ = here.data();
        ASSERT_TRUE(SetCurrentDirectoryW(path(L"").c_str()));
        // As the program does: a screen reader's objects come through COM.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        table_.reset();
        // A closed table asks the thread to end: the next test's loops must not hear it.
        MSG left;
        while (PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) {
        }
        CoUninitialize();
        SetCurrentDirectoryW(was_.c_str());
        WindowsScratch::TearDown();
    }

    // Starts the game as a player would; the shuffles draw from `random_`.
    void open() {
        table_ = std::make_unique<WinTable>(&random_);
        ASSERT_TRUE(table_->view().hwnd());
        table_->show(SW_SHOWNORMAL);
        SetPropW(table(), kWatcher, this);
        SetTimer(table(), kWatchBoxes, 50, &WinWindowTest::watchBoxes);
    }
    HWND table() const { return table_->view().hwnd(); }
    // Where the test program runs, in the build tree: the screenshots go there.
    const std::wstring& buildFolder() const { return was_; }
    Form1& form() { return table_->form(); }
    HWND window(const Widget& control) const { return table_->view().windowFor(control); }
    std::wstring shown(const Widget& control) const {
        wchar_t text[256] = L"";
        GetWindowTextW(window(control), text, 256);
        return text;
    }
    // A key as Windows sends it to the window with the focus.
    void press(UINT message, WPARAM key) {
        const HWND focus = GetFocus() ? GetFocus() : table();
        SendMessageW(focus, message, key, message == WM_SYSKEYDOWN ? 1 << 29 : 0);
    }

    // Each box that opens is handed here; while empty, a box fails the test.
    std::function<void(HWND box)> onBox;
    ScriptedRandom random_;
    std::unique_ptr<WinTable> table_;

  private:
    static constexpr const wchar_t* kWatcher = L"KorvaneTestWatcher";
    static constexpr UINT_PTR kWatchBoxes = 0x7e57;
    // A window timer: the box's own message loop runs it too.
    static void CALLBACK watchBoxes(HWND hwnd, UINT, UINT_PTR, DWORD) {
        auto* self = static_cast<WinWindowTest*>(GetPropW(hwnd, kWatcher));
        const HWND box = openBox();
        if (!self || !box) return;
        if (self->onBox) return self->onBox(box);
        ADD_FAILURE() << "a box nobody expected: " << narrow(textsIn(box));
        PostMessageW(box, WM_CLOSE, 0, 0);
    }

    std::wstring was_;
};

}  // namespace korvane
