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
    if (!target.problem.empty()) return {false, target.problem, target.left};
    if (target.attributes != INVALID_FILE_ATTRIBUTES) {
        if (target.attributes & FILE_ATTRIBUTE_DIRECTORY)
            return {false, "it is a folder", OldFile::None};
        if (target.attributes & FILE_ATTRIBUTE_READONLY)
            return {false, "the file is read-only", OldFile::Untouched};
    }
    const FileResult result =
        replaceWith(target.path, target.attributes, joinLines(lines), patience_);
    if (result.ok && target.path == guarded_) seen_ = lines;
    return result;
}

Claim WindowsFiles::claim(const std::string& name, const std::string& lockName) {
    const bool first = lockPath_.empty();
    if (first) {
        // The lock lies beside the file the name really is, so tables that reach
        // one file through links from two folders meet at one lock.
        guarded_ = targetOf(widened(name)).path;
        lockPath_ = folderOf(guarded_) + L"\\" + widened(lockName);
    }
    if (lost_) return Claim::HeldElsewhere;
    const Claim claim = claim_.take(lockPath_, patience_);
    if (first) {
        // No other table writes beside the file now, so a fresh file nobody has
        // open is one whose save was killed.
        if (claim == Claim::Held) sweepFreshFiles(guarded_);
        seen_ = linesAt(guarded_);
        return claim;
    }
    if (claim == Claim::HeldElsewhere) lost_ = true;
    if (claim != Claim::Held || !claim_.takenAnew()) return claim;
    // Taken back after its lock went: a table that played from the file
    // meanwhile left other lines, and they are not this table's to replace.
    lost_ = linesAt(guarded_) != seen_;
    return lost_ ? Claim::HeldElsewhere : claim;
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
