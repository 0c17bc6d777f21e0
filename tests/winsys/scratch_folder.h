// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of its own for each test on the Windows disk, under the folder the
// test runs in (the build tree), named with Danish letters so that every name
// the services pass on goes through UTF-16 and back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "winsys/file_paths.h"

namespace korvane {

class WindowsScratch : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::current_path() / L"winsys-work" /
                  (winsys::widened(test->name()) + L" Søren Ærø");
        clear();
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { clear(); }

    std::wstring path(const std::wstring& name) const { return (folder_ / name).wstring(); }
    // The name as the table passes it: UTF-8.
    std::string name(const std::wstring& name) const { return winsys::narrowed(path(name)); }
    std::string bytesOf(const std::wstring& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void writeBytes(const std::wstring& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    long entries() const { return std::distance(std::filesystem::directory_iterator(folder_), {}); }
    bool exists(const std::wstring& name) const { return std::filesystem::exists(folder_ / name); }

    // Opened as another program may open it: an editor, a backup, a virus scanner.
    HANDLE holdOpen(const std::wstring& name, DWORD sharing) const {
        return CreateFileW(path(name).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }

  private:
    // Read-only files are made writable first, or they could not be removed.
    void clear() const {
        std::error_code error;
        if (!std::filesystem::exists(folder_, error)) return;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, error))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(folder_, error);
    }

    std::filesystem::path folder_;
};

}  // namespace korvane
