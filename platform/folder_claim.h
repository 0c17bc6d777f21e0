// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table to a cash file: a lock held for the whole run on a file beside the
// cash file. The kernel lets go of it when the process ends, however it ends, so
// a killed run never keeps the next one out.
#include <string>

#include "platform/services.h"

namespace korvane {

class FolderClaim {
  public:
    FolderClaim() = default;
    ~FolderClaim();
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    // Takes the lock `lockName` (at once or not at all) and, once it is held,
    // clears the fresh files a killed save left in its folder.
    Claim take(const std::string& lockName);

  private:
    int fd_ = -1;
};

// Removes the player's own fresh files of a save that never finished.
void sweepFreshFiles(const std::string& folder);

}  // namespace korvane
