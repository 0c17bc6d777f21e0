// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of its own for each test on the Windows disk, under the folder the
// test runs in (the build tree), named with Danish letters so that every name
// the services pass on goes through UTF-16 and back. Made and read with
// Windows' own calls alone: the C++ library's file system calls lose such names
// under some versions of wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "winsys/file_paths.h"

namespace korvane {

class WindowsScratch : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::vector<wchar_t> here(32768);
        GetCurrentDirectoryW(static_cast<DWORD>(here.size()), here.data());
        const std::wstring work = std::wstring(here.data()) + L"\\winsys-work";
        CreateDirectoryW(work.c_str(), nullptr);
        folder_ = work + L"\\" + winsys::widened(test->name()) + L" Søren Ærø";
        clear(folder_);
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
    }
    void TearDown() override { clear(folder_); }

    std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    // The name as the table passes it: UTF-8.
    std::string name(const std::wstring& name) const { return winsys::narrowed(path(name)); }
    std::string bytesOf(const std::wstring& name) const {
        const HANDLE file = CreateFileW(path(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        std::string bytes;
        char buffer[4096];
        DWORD got = 0;
        while (file != INVALID_HANDLE_VALUE &&
               ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
            bytes.append(buffer, got);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        return bytes;
    }
    void writeBytes(const std::wstring& name, const std::string& bytes) const {
        const HANDLE file =
            CreateFileW(path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (file == INVALID_HANDLE_VALUE) return;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    // In the test's folder, or in a folder of it.
    long entries(const std::wstring& sub = L"") const {
        long count = 0;
        each(sub.empty() ? folder_ : path(sub),
             [&](const std::wstring&, const WIN32_FIND_DATAW&) { ++count; });
        return count;
    }
    bool exists(const std::wstring& name) const {
        return GetFileAttributesW(path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Opened as another program may open it: an editor, a backup, a virus scanner.
    HANDLE holdOpen(const std::wstring& name, DWORD sharing) const {
        return CreateFileW(path(name).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }

  private:
    template <typename Visit>
    static void each(const std::wstring& folder, Visit visit) {
        WIN32_FIND_DATAW found{};
        const HANDLE listing = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (listing == INVALID_HANDLE_VALUE) return;
        do {
            const std::wstring entry = found.cFileName;
            if (entry != L"." && entry != L"..") visit(folder + L"\\" + entry, found);
        } while (FindNextFileW(listing, &found));
        FindClose(listing);
    }
    // Read-only files are made writable first, or they could not be removed.
    static void clear(const std::wstring& folder) {
        each(folder, [](const std::wstring& entry, const WIN32_FIND_DATAW& found) {
            SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                clear(entry);
            else
                DeleteFileW(entry.c_str());
        });
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring folder_;
};

}  // namespace korvane
