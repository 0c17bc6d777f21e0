// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/one_table.h"

#include <cstdint>
#include <cwchar>

#include "winwindow/win_view.h"

namespace korvane {
namespace {

constexpr const wchar_t* kMark = L"Korvane.Folder";

// The folder named the same however it is written: its full path in capitals,
// hashed, since a mutex's name takes no backslash.
uint64_t hashOf(const std::wstring& folder) {
    std::wstring full(MAX_PATH * 4, L'\0');
    const DWORD length =
        GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    full = length > 0 && length < full.size() ? full.substr(0, length) : folder;
    CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    uint64_t hash = 1469598103934665603ull;
    for (const wchar_t c : full)
        hash = (hash ^ static_cast<uint64_t>(c)) * 1099511628211ull;
    return hash;
}

}  // namespace

OneTable::OneTable(const std::wstring& folder) : hash_(hashOf(folder)) {
    wchar_t name[48];
    swprintf(name, 48, L"Local\\Korvane-%016llx", static_cast<unsigned long long>(hash_));
    mutex_ = CreateMutexW(nullptr, FALSE, name);
    elsewhere_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

OneTable::~OneTable() {
    if (mutex_) CloseHandle(mutex_);
}

void OneTable::mark(HWND table) const {
    SetPropW(table, kMark, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(hash_)));
}

HWND OneTable::find() const {
    struct Search {
        UINT_PTR tag;
        HWND found;
    } search{static_cast<UINT_PTR>(hash_), nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t kind[32] = L"";
            GetClassNameW(hwnd, kind, 32);
            if (std::wcscmp(kind, kTableClass) != 0 ||
                reinterpret_cast<UINT_PTR>(GetPropW(hwnd, kMark)) != s->tag)
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool OneTable::raiseOpen(DWORD deadlineMs) const {
    const ULONGLONG until = GetTickCount64() + deadlineMs;
    HWND table = find();
    // The first start may still be making its window.
    while (!table && GetTickCount64() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        table = find();
    }
    if (!table) return false;
    if (IsIconic(table)) ShowWindow(table, SW_RESTORE);
    // The box open over it, if any, comes to the front with it.
    if (!SetForegroundWindow(GetLastActivePopup(table))) {
        FLASHWINFO flash{sizeof flash, table, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&flash);  // where Windows keeps the focus, the taskbar asks for the player
    }
    return true;
}

}  // namespace korvane
