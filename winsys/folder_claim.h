// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table to a cash file: the lock file beside it, held open for the whole run
// and shared with no one, so a second table cannot open it, and no program can
// remove or replace it while it is held. Windows lets go of it with the process,
// however it ends, so a killed run never keeps the next one out.
#include <windows.h>

#include <string>

#include "platform/services.h"
#include "winsys/patience.h"

namespace korvane::winsys {

class FolderClaim {
  public:
    FolderClaim() = default;
    ~FolderClaim();
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    // Takes the lock file `lockPath`, bearing a while with a program that merely
    // looks at it. Once taken, taking it again makes sure it is still the file at
    // that name, and otherwise takes the one there now, if no other table holds it.
    Claim take(const std::wstring& lockPath, const Patience& patience);
    // The last `take` that held the lock took it anew rather than finding it
    // still held.
    bool takenAnew() const { return takenAnew_; }

  private:
    HANDLE lock_ = INVALID_HANDLE_VALUE;
    bool takenAnew_ = false;
};

}  // namespace korvane::winsys
