// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/file_reading.h"

#include <vector>

#include "platform/text_lines.h"
#include "winsys/file_paths.h"

namespace korvane::winsys {
namespace {

// Up to one byte more than the largest cash file, so a file that grows meanwhile still tells.
bool readAll(HANDLE file, std::string& bytes) {
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
        if (got == 0) return true;
        bytes.append(buffer, got);
        if (bytes.size() > kLargestReadable) return true;
    }
}

// "\\?\C:\x" as "C:\x", "\\?\UNC\server\x" as "\\server\x".
std::wstring plainPath(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + path.substr(7);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

Target throughLink(const std::wstring& name) {
    const HANDLE file = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return {fullPath(name), INVALID_FILE_ATTRIBUTES, "it is a link that leads nowhere",
                    OldFile::None};
        return {fullPath(name), INVALID_FILE_ATTRIBUTES, reasonFor(error)};
    }
    std::vector<wchar_t> final(32768);
    const DWORD length = GetFinalPathNameByHandleW(file, final.data(), 32768, FILE_NAME_NORMALIZED);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (length == 0 || length >= 32768 || !known)
        return {fullPath(name), INVALID_FILE_ATTRIBUTES, reasonFor(error)};
    return {plainPath(std::wstring(final.data(), length)), info.dwFileAttributes, ""};
}

}  // namespace

Target targetOf(const std::wstring& name) {
    if (name.empty()) return {name, INVALID_FILE_ATTRIBUTES, "its name is no text Windows can use"};
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {fullPath(name), attributes, missing ? "" : reasonFor(error)};
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return throughLink(name);
    return {fullPath(name), attributes, ""};
}

FileResult readFileLines(const std::wstring& path, const Patience& patience,
                         std::vector<std::string>& lines) {
    lines.clear();
    HANDLE file = INVALID_HANDLE_VALUE;
    patience.bear([&] {
        file = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        return file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION;
    });
    if (file == INVALID_HANDLE_VALUE) return {false, "cannot open: " + lastReason()};
    LARGE_INTEGER size{};
    std::string bytes;
    FileResult result;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        result = {false, "it is a device"};
    } else if (!GetFileSizeEx(file, &size)) {
        result = {false, "cannot look at it: " + lastReason()};
    } else if (size.QuadPart > static_cast<LONGLONG>(kLargestReadable)) {
        result = {false, "too large to be a cash file"};
    } else if (!readAll(file, bytes)) {
        result = {false, "cannot read: " + lastReason()};
    } else if (bytes.size() > kLargestReadable) {
        result = {false, "too large to be a cash file"};  // it grew while it was read
    }
    CloseHandle(file);
    if (result.ok) lines = splitLines(bytes);
    return result;
}

}  // namespace korvane::winsys
