// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/file_hold.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "posix/file_paths.h"

namespace korvane {
namespace {

// Emscripten looks at an open file by the name it was opened under, which a save
// renames away: there a descriptor cannot tell which file it holds.
#ifdef __EMSCRIPTEN__
constexpr bool kDescriptorsKnowTheirFile = false;
#else
constexpr bool kDescriptorsKnowTheirFile = true;
#endif

// Whether `path` names the file open as `fd`.
bool names(const std::string& path, int fd) {
    struct stat held {};
    struct stat there {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &there) == 0 && sameFile(held, there);
}

void closeIfOpen(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

FileHold::~FileHold() {
    release();
}

Claim FileHold::take(const std::string& path) {
    release();
    kind_ = Kind::Unknown;
    // Between opening and locking, another table's save may put a fresh file at
    // the name: the old one it let go is then no one's cash any more, so again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        struct stat there {};
        if (::lstat(path.c_str(), &there) != 0) {
            if (errno != ENOENT) return Claim::Unavailable;
            kind_ = Kind::NoFile;  // a fresh start: the first save makes the file, locked
            return Claim::Held;
        }
        // Only an ordinary file is opened: a device or a pipe is not the cash.
        if (!S_ISREG(there.st_mode)) return Claim::Unavailable;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) continue;
        if (fd < 0) return Claim::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                ::close(fd);
                kind_ = Kind::None;
                return Claim::HeldElsewhere;
            }
            // A file system that takes no lock: the file is still watched.
            fd_ = fd;
            kind_ = Kind::File;
            return Claim::Unavailable;
        }
        if (names(path, fd)) {
            fd_ = fd;
            kind_ = Kind::File;
            locked_ = true;
            return Claim::Held;
        }
        ::close(fd);
    }
    return Claim::Unavailable;
}

bool FileHold::isAt(const std::string& path) const {
    struct stat there {};
    switch (kind_) {
        // Where the folder cannot be looked into, the save itself fails and says so.
        case Kind::NoFile:
            return ::lstat(path.c_str(), &there) != 0;
        case Kind::File:
            if (!kDescriptorsKnowTheirFile) return true;
            if (::lstat(path.c_str(), &there) != 0) return errno != ENOENT;
            return names(path, fd_);
        case Kind::None:
        case Kind::Unknown:
            return true;
    }
    return true;
}

void FileHold::adopt(int fd) {
    closeIfOpen(fresh_);
    fresh_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    freshLocked_ = fresh_ >= 0 && ::flock(fresh_, LOCK_EX | LOCK_NB) == 0;
}

void FileHold::commit() {
    closeIfOpen(fd_);  // the old file, now no one's cash: its lock goes with it
    fd_ = fresh_;
    fresh_ = -1;
    // Without a descriptor of the fresh file (none left to the process) the
    // file can no longer be told apart: better no watch than a false alarm.
    kind_ = fd_ >= 0 ? Kind::File : Kind::Unknown;
    locked_ = fd_ >= 0 && freshLocked_;
}

void FileHold::drop() {
    closeIfOpen(fresh_);
}

void FileHold::release() {
    closeIfOpen(fd_);
    closeIfOpen(fresh_);
    kind_ = Kind::None;
    locked_ = false;
}

}  // namespace korvane
