// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/file_hold.h"

namespace korvane::winsys {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// A byte far past the end of any cash file: under an exclusive lock it keeps
// every other table's lock out, and no program's reading of the cash.
bool lockFarByte(HANDLE file, DWORD& error) {
    OVERLAPPED beyond{};
    beyond.OffsetHigh = 0x40000000;
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyond))
        return true;
    error = GetLastError();
    return false;
}

bool idOf(HANDLE file, FileId& id) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return false;
    id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

// What stands at `path` now, a folder included. Asking only for its attributes
// opens it past any sharing. ERROR_SUCCESS, or why it could not be looked at.
DWORD idAt(const std::wstring& path, FileId& id) {
    const HANDLE there =
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (there == INVALID_HANDLE_VALUE) return GetLastError();
    const DWORD error = idOf(there, id) ? ERROR_SUCCESS : GetLastError();
    CloseHandle(there);
    return error;
}

// Removed while held open: its name goes only once the last handle is closed.
bool onItsWayOut(HANDLE file) {
    FILE_STANDARD_INFO info{};
    return file != INVALID_HANDLE_VALUE &&
           GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) &&
           info.DeletePending;
}

HANDLE openToHold(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

void closeIfOpen(HANDLE& file) {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
}

}  // namespace

FileHold::~FileHold() {
    release();
}

Claim FileHold::take(const std::wstring& path, const Patience& patience) {
    release();
    kind_ = Kind::Unknown;
    // Between opening and locking, another table's save may put a fresh file at
    // the name: the old one it let go is then no one's cash any more, so again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        HANDLE file = INVALID_HANDLE_VALUE;
        DWORD error = ERROR_SUCCESS;
        patience.bear([&] {
            file = openToHold(path);
            error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
            return error != ERROR_SHARING_VIOLATION;
        });
        if (isMissing(error)) {
            kind_ = Kind::NoFile;  // a fresh start: the first save makes the file, locked
            return Claim::Held;
        }
        if (file == INVALID_HANDLE_VALUE) return Claim::Unavailable;
        if (const auto claim = holdOpened(file, path)) return *claim;
    }
    return Claim::Unavailable;
}

// Nothing when the name led elsewhere by the time the file was locked.
std::optional<Claim> FileHold::holdOpened(HANDLE file, const std::wstring& path) {
    FileId id;
    if (GetFileType(file) != FILE_TYPE_DISK || !idOf(file, id)) {
        CloseHandle(file);  // a device is not the cash
        return Claim::Unavailable;
    }
    DWORD error = ERROR_SUCCESS;
    const bool locked = lockFarByte(file, error);
    if (!locked && error == ERROR_LOCK_VIOLATION) {
        CloseHandle(file);
        kind_ = Kind::None;
        return Claim::HeldElsewhere;
    }
    FileId there;
    if (locked && (idAt(path, there) != ERROR_SUCCESS || !(there == id))) {
        CloseHandle(file);
        return std::nullopt;
    }
    // A file system that takes no lock: the file is still watched.
    file_ = file;
    id_ = id;
    kind_ = Kind::File;
    locked_ = locked;
    return locked ? Claim::Held : Claim::Unavailable;
}

bool FileHold::isAt(const std::wstring& path) const {
    FileId there;
    switch (kind_) {
        // Where the folder cannot be looked into, the save itself fails and says so.
        case Kind::NoFile:
            return idAt(path, there) != ERROR_SUCCESS;
        case Kind::File: {
            if (onItsWayOut(file_)) return false;
            const DWORD error = idAt(path, there);
            if (error != ERROR_SUCCESS) return !isMissing(error);
            return there == id_;
        }
        case Kind::None:
        case Kind::Unknown:
            return true;
    }
    return true;
}

void FileHold::adopt(HANDLE writer) {
    closeIfOpen(fresh_);
    // A second handle of the very file the writer made, shared with every
    // program, that stays open with its lock as the file moves into place.
    fresh_ = ReOpenFile(writer, GENERIC_READ, kShareAll, 0);
    DWORD error = ERROR_SUCCESS;
    freshLocked_ = fresh_ != INVALID_HANDLE_VALUE && lockFarByte(fresh_, error);
    // Told by the writer, which was opened by name: wine names no volume for a
    // handle opened anew from another.
    if (fresh_ != INVALID_HANDLE_VALUE && !idOf(writer, freshId_)) closeIfOpen(fresh_);
}

void FileHold::commit() {
    closeIfOpen(file_);  // the old file, now no one's cash: its lock goes with it
    file_ = fresh_;
    fresh_ = INVALID_HANDLE_VALUE;
    // Without a handle of the fresh file the file can no longer be told apart:
    // better no watch than a false alarm.
    kind_ = file_ != INVALID_HANDLE_VALUE ? Kind::File : Kind::Unknown;
    id_ = freshId_;
    locked_ = kind_ == Kind::File && freshLocked_;
}

void FileHold::drop() {
    closeIfOpen(fresh_);
    freshLocked_ = false;
}

void FileHold::loosen() {
    closeIfOpen(file_);
    locked_ = false;
}

void FileHold::regain(const std::wstring& path) {
    if (kind_ != Kind::File || file_ != INVALID_HANDLE_VALUE) return;
    HANDLE file = openToHold(path);
    FileId id;
    DWORD error = ERROR_SUCCESS;
    if (file != INVALID_HANDLE_VALUE && idOf(file, id) && id == id_ && lockFarByte(file, error)) {
        file_ = file;
        locked_ = true;
        return;
    }
    closeIfOpen(file);  // the lock file beside it keeps a second table out meanwhile
}

void FileHold::release() {
    closeIfOpen(file_);
    closeIfOpen(fresh_);
    kind_ = Kind::None;
    locked_ = false;
    freshLocked_ = false;
}

}  // namespace korvane::winsys
