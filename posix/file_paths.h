// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a file's name leads on the disk, and what stands there.
#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace korvane {

struct LinkWalk {
    std::string path;     // the name itself, or where its links lead
    std::string problem;  // empty, or why the walk was not followed to its end
};

// Follows symbolic links only where the player (or root) owns them, as the
// kernel's protected links do: another user's link planted in a shared folder
// must not steer the cash into the player's own files.
LinkWalk followLinks(const std::string& name);

// The folder a path lies in ("." for a bare name).
std::string folderOf(const std::string& path);

// Whether two looks at the disk saw the very same file (device and inode).
inline bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "a folder", "a pipe", ...: what stands there instead of an ordinary file.
std::string kindOf(mode_t mode);

// The reason for the last failed call, in the system's words.
std::string lastError();

}  // namespace korvane
