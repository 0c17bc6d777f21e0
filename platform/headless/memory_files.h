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
    bool exists(const std::string& name) override { return files.count(name) != 0; }
    FileResult readLines(const std::string& name, std::vector<std::string>& lines) override;
    FileResult writeLines(const std::string& name, const std::vector<std::string>& lines) override;

    std::map<std::string, std::string> files;  // name -> bytes
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
};

}  // namespace korvane
