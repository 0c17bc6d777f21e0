// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/windows_files.h"

#include <windows.h>

#include "platform/text_lines.h"
#include "winsys/file_paths.h"
#include "winsys/file_reading.h"
#include "winsys/file_replace.h"
#include "winsys/fresh_files.h"

namespace korvane {

using namespace winsys;

namespace {

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

WindowsFiles::WindowsFiles(Patience patience) : patience_(std::move(patience)) {}

FileLook WindowsFiles::look(const std::string& name) {
    const Target target = targetOf(widened(name));
    if (!target.problem.empty()) return {FileKind::Unusable, target.problem};
    if (target.attributes == INVALID_FILE_ATTRIBUTES) return {};
    if (target.attributes & FILE_ATTRIBUTE_DIRECTORY) return {FileKind::Unusable, "it is a folder"};
    return {FileKind::Ordinary, ""};
}

FileResult WindowsFiles::readLines(const std::string& name, std::vector<std::string>& lines) {
    lines.clear();
    const Target target = targetOf(widened(name));
    if (!target.problem.empty()) return {false, target.problem};
    if (target.attributes == INVALID_FILE_ATTRIBUTES)
        return {false, reasonFor(ERROR_FILE_NOT_FOUND)};
    if (target.attributes & FILE_ATTRIBUTE_DIRECTORY) return {false, "it is a folder"};
    return readFileLines(target.path, patience_, lines);
}

FileResult WindowsFiles::writeLines(const std::string& name,
                                    const std::vector<std::string>& lines) {
    const Target target = targetOf(widened(name));
    const bool claimed = !claimed_.empty() && name == claimed_;
    // Never another file's lines replaced: the claimed name is written only while
    // it leads to the very file this table read (or, on a fresh start, to none).
    if (claimed && !lost_ && !leadsToHeld(target)) lose(Claim::FileChanged);
    if (claimed && lost_)
        return {false, *lost_ == Claim::FileChanged ? "it is no longer the file read at start-up"
                                                    : "another table now plays from it"};
    if (!target.problem.empty()) return {false, target.problem, target.left};
    if (target.attributes != INVALID_FILE_ATTRIBUTES) {
        if (target.attributes & FILE_ATTRIBUTE_DIRECTORY)
            return {false, "it is a folder", OldFile::None};
        if (target.attributes & FILE_ATTRIBUTE_READONLY)
            return {false, "the file is read-only", OldFile::Untouched};
    }
    const FileResult result = replaceWith(target.path, target.attributes, joinLines(lines),
                                          patience_, claimed ? &hold_ : nullptr);
    if (result.ok && target.path == guarded_) seen_ = lines;
    return result;
}

Claim WindowsFiles::claim(const std::string& name, const std::string& lockName) {
    if (lockPath_.empty()) return claimFirst(name, lockName);
    if (lost_) return *lost_;
    const Claim claim = claim_.take(lockPath_, patience_);
    // While the file itself is under this table's lock, no other table plays from
    // it, whoever holds the lock file; before there is one, the lock file decides.
    if (!hold_.locksAFile()) {
        if (claim == Claim::HeldElsewhere) return lose(claim);
        // Taken back after its lock went: a table that played from the file
        // meanwhile left other lines, and they are not this table's to replace.
        if (claim == Claim::Held && claim_.takenAnew() && linesAt(guarded_) != seen_)
            return lose(Claim::HeldElsewhere);
    }
    if (!leadsToHeld(targetOf(widened(name)))) return lose(Claim::FileChanged);
    return hold_.locksAFile() ? Claim::Held : claim;
}

Claim WindowsFiles::claimFirst(const std::string& name, const std::string& lockName) {
    // The lock lies beside the file the name really is, so tables that reach one
    // file through links from two folders meet at one lock.
    const Target target = targetOf(widened(name));
    claimed_ = name;
    guarded_ = target.path;
    lockPath_ = folderOf(guarded_) + L"\\" + widened(lockName);
    // The file itself first: a table it keeps out never touches the lock beside
    // it, so the table that holds both never takes that lock for another's.
    if (target.problem.empty() && hold_.take(guarded_, patience_) == Claim::HeldElsewhere)
        return Claim::HeldElsewhere;
    const Claim claim = claim_.take(lockPath_, patience_);
    if (claim == Claim::HeldElsewhere) {
        hold_.release();
        return claim;
    }
    // No other table writes beside the file now, so a fresh file nobody has open
    // is one whose save was killed.
    if (claim == Claim::Held) sweepFreshFiles(guarded_);
    seen_ = linesAt(guarded_);
    // A file under this table's lock keeps a second table out even where the
    // folder takes no lock file.
    return hold_.locksAFile() ? Claim::Held : claim;
}

bool WindowsFiles::leadsToHeld(const Target& target) const {
    return target.path == guarded_ && hold_.isAt(guarded_);
}

Claim WindowsFiles::lose(Claim why) {
    lost_ = why;
    return why;
}

WindowsFiles::Lines WindowsFiles::linesAt(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES && isMissing(GetLastError()))
        return std::nullopt;
    std::vector<std::string> lines;
    const FileResult read = readFileLines(path, patience_, lines);
    if (!read.ok) lines = {"", read.reason};  // not a cash file: it matches none
    return lines;
}

std::string WindowsFiles::location(const std::string& name) {
    return narrowed(fullPath(widened(name)));
}

}  // namespace korvane
