// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files on a Windows disk, for the cash file, with the promises of the
// POSIX files: a save leaves the old cash or the new, never half of one; one
// table to a file, however it is reached; a table writes only the very file it
// read at start-up; what a killed save left is cleared away; and every trouble
// is told in words a player reads, with nothing lost.
#include <optional>

#include "platform/services.h"
#include "winsys/file_hold.h"
#include "winsys/file_reading.h"
#include "winsys/folder_claim.h"
#include "winsys/patience.h"

namespace korvane {

class WindowsFiles : public TextFiles {
  public:
    explicit WindowsFiles(winsys::Patience patience = {});

    FileLook look(const std::string& name) override;
    FileResult readLines(const std::string& name, std::vector<std::string>& lines) override;
    FileResult writeLines(const std::string& name, const std::vector<std::string>& lines) override;
    std::string location(const std::string& name) override;
    Claim claim(const std::string& name, const std::string& lockName) override;

  private:
    using Lines = std::optional<std::vector<std::string>>;  // none: no file to read
    Lines linesAt(const std::wstring& path);
    Claim claimFirst(const std::string& name, const std::string& lockName);
    // Whether the name, its links followed, still leads to the file held.
    bool leadsToHeld(const winsys::Target& target) const;
    Claim lose(Claim why);

    winsys::Patience patience_;
    winsys::FolderClaim claim_;
    winsys::FileHold hold_;
    std::string claimed_;        // the name the table claimed
    std::wstring guarded_;       // the file the lock guards, in full, its links followed
    std::wstring lockPath_;      // empty until the first claim
    Lines seen_;                 // the guarded file as this table last found or left it
    std::optional<Claim> lost_;  // why this table no longer writes the claimed name
};

}  // namespace korvane
