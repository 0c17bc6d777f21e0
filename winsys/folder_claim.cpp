// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/folder_claim.h"

namespace korvane::winsys {
namespace {

bool sameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

// Whether `held` is still the file at `lockPath`. Asking only for its attributes
// opens it past any sharing, the lock's own included.
bool carriesLock(HANDLE held, const std::wstring& lockPath) {
    const HANDLE there = CreateFileW(lockPath.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (there == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    const bool same = GetFileInformationByHandle(held, &a) &&
                      GetFileInformationByHandle(there, &b) && sameFile(a, b);
    CloseHandle(there);
    return same;
}

}  // namespace

FolderClaim::~FolderClaim() {
    if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
}

Claim FolderClaim::take(const std::wstring& lockPath, const Patience& patience) {
    takenAnew_ = false;
    if (lock_ != INVALID_HANDLE_VALUE && carriesLock(lock_, lockPath)) return Claim::Held;
    if (lock_ != INVALID_HANDLE_VALUE)
        CloseHandle(lock_);  // a lock no table can find keeps no one out
    lock_ = INVALID_HANDLE_VALUE;
    // Read access is enough to hold it: a lock file the player made read-only still serves.
    HANDLE lock = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_SUCCESS;
    patience.bear([&] {
        lock = CreateFileW(lockPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        error = lock == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        return error != ERROR_SHARING_VIOLATION;
    });
    if (lock == INVALID_HANDLE_VALUE)
        return error == ERROR_SHARING_VIOLATION ? Claim::HeldElsewhere : Claim::Unavailable;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(lock) != FILE_TYPE_DISK || !GetFileInformationByHandle(lock, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        CloseHandle(lock);
        return Claim::Unavailable;
    }
    lock_ = lock;
    takenAnew_ = true;
    return Claim::Held;
}

}  // namespace korvane::winsys
