// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files on the disk, for the cash file. Writing goes to a fresh file beside
// the old one and is renamed over it, so a crash or a full disk leaves either the
// old cash or the new, never half of one.
#include <optional>

#include "platform/services.h"
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

    FolderClaim claim_;
    std::string guarded_;   // the file the lock guards, its links followed
    std::string lockPath_;  // empty until the first claim
    Lines seen_;            // the guarded file as this table last found or left it
    bool lost_ = false;     // another table has played from the file
};

}  // namespace korvane
