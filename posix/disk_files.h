// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files on the disk, for the cash file. Writing goes to a fresh file beside
// the old one and is renamed over it, so a crash or a full disk leaves either the
// old cash or the new, never half of one.
#include <optional>

#include "platform/services.h"
#include "posix/file_hold.h"
#include "posix/file_paths.h"
#include "posix/folder_claim.h"

namespace korvane {

class DiskFiles : public TextFiles {
  public:
    FileLook look(const std::string& name) override;
    FileResult readLines(const std::string& name, std::vector<std::string>& lines) override;
    FileResult writeLines(const std::string& name, const std::vector<std::string>& lines) override;
    std::string location(const std::string& name) override;
    Claim claim(const std::string& name, const std::string& lockName) override;

  private:
    using Lines = std::optional<std::vector<std::string>>;  // none: no file to read
    Lines linesAt(const std::string& path);
    Claim claimFirst(const std::string& name, const std::string& lockName);
    // Whether the name, its links followed, still leads to the file held.
    bool leadsToHeld(const LinkWalk& walk) const;
    Claim lose(Claim why);

    FolderClaim claim_;
    FileHold hold_;
    std::string claimed_;        // the name the table claimed
    std::string guarded_;        // the file the lock guards, its links followed
    std::string lockPath_;       // empty until the first claim
    Lines seen_;                 // the guarded file as this table last found or left it
    std::optional<Claim> lost_;  // why this table no longer writes the claimed name
};

}  // namespace korvane
