// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/cash_folder.h"

#include <shlobj.h>
#include <windows.h>

#include <vector>

#include "winsys/file_paths.h"

namespace korvane {

using namespace winsys;

namespace {

// The pattern also matches short names, "SOUND~1.WAV" of "sound.wave": the long name decides.
bool isSound(const WIN32_FIND_DATAW& found) {
    const std::wstring name = found.cFileName;
    return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.size() > 4 &&
           CompareStringOrdinal(name.c_str() + name.size() - 4, 4, L".wav", 4, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring roamingAppData() {
    wchar_t* found = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &found) == S_OK)
        folder = found;
    CoTaskMemFree(found);
    return folder;
}

std::wstring programFolder() {
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) return L".";
    return folderOf(std::wstring(name.data(), length));
}

CashFolder prepareCashFolder(const std::wstring& base, const std::wstring& sounds) {
    if (base.empty()) return {L"", "Windows names no folder for the program's data"};
    const std::wstring folder = fullPath(base + L"\\Korvane");
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return {folder, "cannot make " + narrowed(folder) + ": " + lastReason()};
    const DWORD kind = GetFileAttributesW(folder.c_str());
    if (kind == INVALID_FILE_ATTRIBUTES || !(kind & FILE_ATTRIBUTE_DIRECTORY))
        return {folder, narrowed(folder) + " is no folder"};
    WIN32_FIND_DATAW found{};
    const HANDLE listing = FindFirstFileExW((sounds + L"\\*.wav").c_str(), FindExInfoBasic, &found,
                                            FindExSearchNameMatch, nullptr, 0);
    if (listing == INVALID_HANDLE_VALUE)
        return {folder, ""};  // a table without sounds plays silent
    do {
        if (isSound(found))
            CopyFileW((sounds + L"\\" + found.cFileName).c_str(),
                      (folder + L"\\" + found.cFileName).c_str(), TRUE);
    } while (FindNextFileW(listing, &found));
    FindClose(listing);
    return {folder, ""};
}

}  // namespace korvane
