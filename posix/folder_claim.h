// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table to a cash file: a lock held for the whole run on a file beside the
// cash file. The kernel lets go of it when the process ends, however it ends, so
// a killed run never keeps the next one out.
#include <sys/types.h>

#include <string>

#include "platform/services.h"

namespace korvane {

class FolderClaim {
  public:
    FolderClaim() = default;
    ~FolderClaim();
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    // Takes the lock `lockName` (at once or not at all). Once taken, taking it
    // again makes sure it is still the lock at that name: a lock file removed or
    // replaced since is given up and the lock at the name taken instead, if no
    // other table holds it.
    Claim take(const std::string& lockName);
    // The last `take` that held the lock took it anew rather than finding it
    // still held: the first, or one after the lock was removed or replaced.
    bool takenAnew() const { return takenAnew_; }

  private:
    int fd_ = -1;
    bool takenAnew_ = false;
};

}  // namespace korvane
