// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/file_replace.h"

#include <cstring>
#include <vector>

#include "winsys/file_paths.h"
#include "winsys/fresh_files.h"

namespace korvane::winsys {
namespace {

FileResult failed(const std::string& what, OldFile left, DWORD error) {
    return {false, what + ": " + reasonFor(error), left};
}

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, size, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

// The file's own removal, through the handle that made it.
void discard(HANDLE file) {
    FILE_DISPOSITION_INFO gone{TRUE};
    SetFileInformationByHandle(file, FileDispositionInfo, &gone, sizeof gone);
    CloseHandle(file);
}

// Whether another program has `path` open so that it cannot be replaced.
bool heldByAnother(const std::wstring& path) {
    const HANDLE probe =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
    return probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
}

// Windows answers a file in use by another program with "sharing violation", or,
// for the file a move would replace, "access denied": both pass with time.
DWORD moveInPlace(const std::wstring& fresh, const std::wstring& path, const Patience& patience) {
    DWORD error = ERROR_SUCCESS;
    patience.bear([&] {
        const bool moved = MoveFileExW(fresh.c_str(), path.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        error = moved ? ERROR_SUCCESS : GetLastError();
        // Only what passes with time is tried again.
        return error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED;
    });
    if (error == ERROR_SUCCESS) return error;
    if (error == ERROR_ACCESS_DENIED && heldByAnother(path)) error = ERROR_SHARING_VIOLATION;
    return error;
}

// Windows 10 on NTFS renames a file over one that is open, as POSIX does, so the
// hold on the old file lasts until the fresh one has taken its place. The
// headers name that way only for newer Windows than the table asks for.
bool renameOverOpen(HANDLE file, const std::wstring& path) {
    const auto renameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
    const size_t nameBytes = path.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(rename->FileName, path.data(), nameBytes);
    return SetFileInformationByHandle(file, renameInfoEx, rename,
                                      static_cast<DWORD>(buffer.size()));
}

// Puts the fresh file, which `writer` made, in the old one's place. Where the
// rename above is not to be had, the old file is let go for the move and taken
// back if the move fails; the fresh one is held throughout.
DWORD swapIn(HANDLE writer, const std::wstring& fresh, const std::wstring& path,
             const Patience& patience, FileHold* hold) {
    if (hold) {
        hold->adopt(writer);
        if (renameOverOpen(writer, path)) {
            CloseHandle(writer);
            hold->commit();
            return ERROR_SUCCESS;
        }
        hold->loosen();
    }
    CloseHandle(writer);
    const DWORD error = moveInPlace(fresh, path, patience);
    if (hold && error == ERROR_SUCCESS) hold->commit();
    if (hold && error != ERROR_SUCCESS) {
        hold->drop();
        hold->regain(path);
    }
    return error;
}

}  // namespace

FileResult replaceWith(const std::wstring& path, DWORD oldAttributes, const std::string& bytes,
                       const Patience& patience, FileHold* hold) {
    const bool hadOld = oldAttributes != INVALID_FILE_ATTRIBUTES;
    const OldFile left = hadOld ? OldFile::Untouched : OldFile::None;
    const DWORD attributes =
        hadOld ? (oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE)) : 0;
    std::wstring fresh;
    const HANDLE file = createFresh(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL, fresh);
    if (file == INVALID_HANDLE_VALUE)
        return failed("cannot make a new file beside it", left, GetLastError());
    if (!writeAll(file, bytes) || !FlushFileBuffers(file)) {
        const DWORD error = GetLastError();
        discard(file);
        return failed("cannot write", left, error);
    }
    const DWORD error = swapIn(file, fresh, path, patience, hold);
    if (error == ERROR_SUCCESS) return {};
    DeleteFileW(fresh.c_str());
    return failed("cannot put the new file in its place", left, error);
}

}  // namespace korvane::winsys
