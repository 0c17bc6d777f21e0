// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table to a cash folder on a Windows desktop: the first start holds a
// named mutex for the folder and marks its window with it; a second start finds
// that window and brings it, and any box open over it, to the front.
#include <windows.h>

#include <cstdint>
#include <string>

namespace korvane {

class OneTable {
  public:
    explicit OneTable(const std::wstring& folder);
    ~OneTable();
    OneTable(const OneTable&) = delete;
    OneTable& operator=(const OneTable&) = delete;

    // Another start holds the folder's mutex.
    bool elsewhere() const { return elsewhere_; }
    // Brings the open table of the folder to the front, waiting for its window
    // at most `deadlineMs`; false when none showed.
    bool raiseOpen(DWORD deadlineMs) const;
    // Marks the window of this start as the folder's table.
    void mark(HWND table) const;

  private:
    HWND find() const;

    uint64_t hash_;  // the folder's own mark for its mutex and its window
    HANDLE mutex_ = nullptr;
    bool elsewhere_ = false;
};

}  // namespace korvane
