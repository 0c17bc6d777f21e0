// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files held in memory, with failures a test can switch on.
#include <map>
#include <set>
#include <string>

#include "platform/services.h"

namespace korvane {

class MemoryFiles : public TextFiles {
  public:
    FileLook look(const std::string& name) override;
    FileResult readLines(const std::string& name, std::vector<std::string>& lines) override;
    FileResult writeLines(const std::string& name, const std::vector<std::string>& lines) override;
    Claim claim(const std::string& name, const std::string& lockName) override;

    std::map<std::string, std::string> files;     // name -> bytes
    std::map<std::string, std::string> unusable;  // name -> why start-up cannot use it
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
    std::set<std::string> heldElsewhere;  // locks another table holds
    std::set<std::string> unlockable;     // locks no folder takes
    std::set<std::string> changed;        // names that lead to another file than at start-up
    int writes = 0;                       // files written, all told
};

}  // namespace korvane
