// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/fresh_files.h"

#include <cstdlib>

#include "winsys/file_paths.h"

namespace korvane::winsys {
namespace {

constexpr wchar_t kMark[] = L"~korvane-save~";
constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kFreshLetters = 8;

std::wstring prefixFor(const std::wstring& path) {
    return L"." + baseOf(path) + kMark;
}

std::wstring inFolderOf(const std::wstring& path, const std::wstring& entry) {
    const std::wstring folder = folderOf(path);
    const wchar_t last = folder.back();
    return last == L'\\' || last == L'/' ? folder + entry : folder + L"\\" + entry;
}

bool isLetterOrDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Opened by nobody else, and never through a link: removed as it is closed.
void removeIfDead(const std::wstring& file) {
    const HANDLE handle = CreateFileW(file.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;  // a live save holds it, or it is not ours to open
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD notOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    if (GetFileInformationByHandle(handle, &info) && !(info.dwFileAttributes & notOrdinary) &&
        info.nNumberOfLinks == 1) {
        FILE_DISPOSITION_INFO gone{TRUE};
        SetFileInformationByHandle(handle, FileDispositionInfo, &gone, sizeof gone);
    }
    CloseHandle(handle);
}

}  // namespace

HANDLE createFresh(const std::wstring& path, DWORD attributes, std::wstring& fresh) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring letters;
        for (size_t i = 0; i < kFreshLetters; ++i) {
            unsigned int random = 0;
            if (rand_s(&random) != 0) return INVALID_HANDLE_VALUE;
            letters += kLetters[random % (sizeof kLetters / sizeof kLetters[0] - 1)];
        }
        fresh = inFolderOf(path, prefixFor(path) + letters);
        // Shared for reading, so a table's hold can lie on it before it takes its place.
        const HANDLE handle = CreateFileW(fresh.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                                          nullptr, CREATE_NEW, attributes, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
    }
    return INVALID_HANDLE_VALUE;
}

bool isFreshFileFor(const std::wstring& path, const std::wstring& entry) {
    const std::wstring prefix = prefixFor(path);
    if (entry.size() <= prefix.size() || entry.size() > prefix.size() + 16) return false;
    if (CompareStringOrdinal(entry.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                             static_cast<int>(prefix.size()), TRUE) != CSTR_EQUAL)
        return false;
    for (size_t i = prefix.size(); i < entry.size(); ++i)
        if (!isLetterOrDigit(entry[i])) return false;
    return true;
}

void sweepFreshFiles(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE listing =
        FindFirstFileExW(inFolderOf(path, prefixFor(path) + L"*").c_str(), FindExInfoBasic, &found,
                         FindExSearchNameMatch, nullptr, 0);
    if (listing == INVALID_HANDLE_VALUE) return;
    do {
        // The pattern matches short names too: the long name decides.
        if (isFreshFileFor(path, found.cFileName)) removeIfDead(inFolderOf(path, found.cFileName));
    } while (FindNextFileW(listing, &found));
    FindClose(listing);
}

}  // namespace korvane::winsys
