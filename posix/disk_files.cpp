// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/disk_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/text_lines.h"
#include "posix/file_paths.h"
#include "posix/file_replace.h"
#include "posix/fresh_files.h"

namespace korvane {
namespace {

FileResult failure(const std::string& what) {
    return {false, what + ": " + lastError()};
}

std::string nowhere(const LinkWalk& walk) {
    return "it is a link to " + walk.path + ", which does not exist";
}

// A file the player made read-only (or cannot write) is not the game's to replace.
bool readOnly(const std::string& path, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

FileResult readOpened(int fd, std::vector<std::string>& lines) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return failure("cannot look at it");
    if (!S_ISREG(info.st_mode)) return {false, "it is " + kindOf(info.st_mode)};
    if (static_cast<std::size_t>(info.st_size) > kLargestReadable)
        return {false, "too large to be a cash file"};
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failure("cannot read");
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > kLargestReadable) return {false, "too large to be a cash file"};
    }
    lines = splitLines(bytes);
    return {};
}

}  // namespace

FileLook DiskFiles::look(const std::string& name) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0)
        return errno == ENOENT ? FileLook{} : FileLook{FileKind::Unusable, lastError()};
    const LinkWalk walk = followLinks(name);
    if (!walk.problem.empty()) return {FileKind::Unusable, walk.problem};
    if (::stat(walk.path.c_str(), &info) != 0)
        return {FileKind::Unusable, errno == ENOENT ? nowhere(walk) : lastError()};
    if (!S_ISREG(info.st_mode)) return {FileKind::Unusable, "it is " + kindOf(info.st_mode)};
    return {FileKind::Ordinary, ""};
}

FileResult DiskFiles::readLines(const std::string& name, std::vector<std::string>& lines) {
    lines.clear();
    const LinkWalk walk = followLinks(name);
    if (!walk.problem.empty()) return {false, walk.problem};
    // Opened without blocking and checked before reading, so a pipe or a device
    // of that name can never hang the table.
    const int fd = ::open(walk.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return failure("cannot open");
    const FileResult result = readOpened(fd, lines);
    ::close(fd);
    return result;
}

FileResult DiskFiles::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    const LinkWalk walk = followLinks(name);
    const bool claimed = !claimed_.empty() && name == claimed_;
    // Never another file's lines replaced: the claimed name is written only while
    // it leads to the very file this table read (or, on a fresh start, to none).
    if (claimed && !lost_ && !leadsToHeld(walk)) lose(Claim::FileChanged);
    if (claimed && lost_)
        return {false, *lost_ == Claim::FileChanged ? "it is no longer the file read at start-up"
                                                    : "another table now plays from it"};
    if (!walk.problem.empty()) return {false, walk.problem, OldFile::Untouched};
    struct stat info {};
    const bool hadOld = ::stat(walk.path.c_str(), &info) == 0;
    if (!hadOld) {
        if (errno != ENOENT) return {false, lastError(), OldFile::Untouched};
        // Only an ordinary file is written: a link that leads nowhere stays as it is.
        if (walk.path != name) return {false, nowhere(walk), OldFile::None};
    } else if (!S_ISREG(info.st_mode)) {
        return {false, "it is " + kindOf(info.st_mode), OldFile::None};
    } else if (readOnly(walk.path, info)) {
        return {false, "the file is read-only", OldFile::Untouched};
    }
    const std::string bytes = joinLines(lines);
    // A file with a second name (a hard link) is rewritten where it lies, so that
    // both names keep one file; any other is replaced whole.
    bool noNewFile = false;
    FileResult result = hadOld && info.st_nlink > 1
                            ? rewriteInPlace(walk.path, bytes)
                            : replaceBeside(walk.path, hadOld ? &info : nullptr, bytes, noNewFile,
                                            claimed ? &hold_ : nullptr);
    // A folder that takes no new file may still let the file itself be rewritten.
    if (!result.ok && noNewFile && hadOld) result = rewriteInPlace(walk.path, bytes);
    if (result.ok && walk.path == guarded_) seen_ = lines;
    return result;
}

Claim DiskFiles::claim(const std::string& name, const std::string& lockName) {
    if (lockPath_.empty()) return claimFirst(name, lockName);
    if (lost_) return *lost_;
    const Claim claim = claim_.take(lockPath_);
    // While the file itself is under this table's lock, no other table plays from
    // it, whoever holds the lock file; before there is one, the lock file decides.
    if (!hold_.locksAFile()) {
        if (claim == Claim::HeldElsewhere) return lose(claim);
        // Taken back after its lock was removed or replaced: a table that played from
        // the file meanwhile left other lines, and they are not this table's to replace.
        if (claim == Claim::Held && claim_.takenAnew() && linesAt(guarded_) != seen_)
            return lose(Claim::HeldElsewhere);
    }
    if (!leadsToHeld(followLinks(name))) return lose(Claim::FileChanged);
    return hold_.locksAFile() ? Claim::Held : claim;
}

Claim DiskFiles::claimFirst(const std::string& name, const std::string& lockName) {
    // The lock lies beside the file the name really is, so tables that reach one
    // file through links from two folders meet at one lock.
    const LinkWalk walk = followLinks(name);
    claimed_ = name;
    guarded_ = walk.problem.empty() ? walk.path : name;
    lockPath_ = folderOf(guarded_) + "/" + lockName;
    // The file itself first: a table it keeps out never touches the lock beside it,
    // so the table that holds both never takes that lock for another's.
    if (walk.problem.empty() && hold_.take(guarded_) == Claim::HeldElsewhere)
        return Claim::HeldElsewhere;
    const Claim claim = claim_.take(lockPath_);
    if (claim == Claim::HeldElsewhere) {
        hold_.release();
        return claim;
    }
    // No other table writes beside the file now, so a fresh file is one whose save was killed.
    if (claim == Claim::Held) sweepFreshFiles(guarded_);
    seen_ = linesAt(guarded_);
    // A file under this table's lock keeps a second table out even where the
    // folder takes no lock file.
    return hold_.locksAFile() ? Claim::Held : claim;
}

bool DiskFiles::leadsToHeld(const LinkWalk& walk) const {
    const std::string path = walk.problem.empty() ? walk.path : claimed_;
    return path == guarded_ && hold_.isAt(guarded_);
}

Claim DiskFiles::lose(Claim why) {
    lost_ = why;
    return why;
}

DiskFiles::Lines DiskFiles::linesAt(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<std::string> lines;
    const FileResult read = readOpened(fd, lines);
    ::close(fd);
    if (!read.ok) lines = {"", read.reason};  // not a cash file: it matches none
    return lines;
}

std::string DiskFiles::location(const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) return name;
    return std::string(folder) + "/" + name;
}

}  // namespace korvane
