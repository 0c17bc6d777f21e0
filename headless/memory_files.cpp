// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/memory_files.h"

#include "platform/text_lines.h"

namespace korvane {

FileLook MemoryFiles::look(const std::string& name) {
    if (auto found = unusable.find(name); found != unusable.end())
        return {FileKind::Unusable, found->second};
    return {files.count(name) ? FileKind::Ordinary : FileKind::Missing, ""};
}

FileResult MemoryFiles::readLines(const std::string& name, std::vector<std::string>& lines) {
    lines.clear();
    if (unreadable.count(name)) return {false, "permission denied"};
    auto found = files.find(name);
    if (found == files.end()) return {false, "no such file"};
    lines = splitLines(found->second);
    return {};
}

FileResult MemoryFiles::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    if (unwritable.count(name))
        return {false, "permission denied", files.count(name) ? OldFile::Untouched : OldFile::None};
    files[name] = joinLines(lines);
    ++writes;
    return {};
}

Claim MemoryFiles::claim(const std::string& name, const std::string& lockName) {
    if (changed.count(name)) return Claim::FileChanged;
    if (unlockable.count(lockName)) return Claim::Unavailable;
    return heldElsewhere.count(lockName) ? Claim::HeldElsewhere : Claim::Held;
}

}  // namespace korvane
