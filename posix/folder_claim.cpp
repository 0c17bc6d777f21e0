// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/folder_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "posix/file_paths.h"

namespace korvane {
namespace {

// The ordinary file at the lock's name, made if `create` says so; never through a
// link, and never waiting on a pipe. -1 where there is none this table can open.
int openLockFile(const std::string& lockName, int create) {
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(lockName.c_str(), O_RDWR | create | flags, 0666);
    if (fd < 0) fd = ::open(lockName.c_str(), O_RDONLY | flags);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// Which file carries the lock: the ordinary file at its name, where this table
// can open it, and otherwise (nothing, a folder, a link, a pipe, a file it may
// not open) the folder itself. Every table of the player finds the same one,
// whatever stands at the name.
int openLock(const std::string& lockName) {
    const int fd = openLockFile(lockName, O_CREAT);
    return fd >= 0 ? fd : ::open(folderOf(lockName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Whether `fd` is still the file that carries the lock. Another descriptor of the
// lock file opened and closed here leaves the lock on `fd` as it is.
bool carriesLock(int fd, const std::string& lockName) {
    struct stat held {};
    struct stat there {};
    if (::fstat(fd, &held) != 0) return false;
    const int at = openLockFile(lockName, 0);
    const bool found =
        at >= 0 ? ::fstat(at, &there) == 0 : ::stat(folderOf(lockName).c_str(), &there) == 0;
    if (at >= 0) ::close(at);
    return found && sameFile(held, there);
}

}  // namespace

FolderClaim::~FolderClaim() {
    if (fd_ >= 0) ::close(fd_);
}

Claim FolderClaim::take(const std::string& lockName) {
    takenAnew_ = false;
    if (fd_ >= 0 && carriesLock(fd_, lockName)) return Claim::Held;
    if (fd_ >= 0) ::close(fd_);  // a lock no other table can find any more keeps no one out
    fd_ = -1;
    // Between opening and locking, the name may come to lead elsewhere: then again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int fd = openLock(lockName);
        if (fd < 0) return Claim::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool elsewhere = errno == EWOULDBLOCK;
            ::close(fd);
            return elsewhere ? Claim::HeldElsewhere : Claim::Unavailable;
        }
        if (carriesLock(fd, lockName)) {
            fd_ = fd;
            takenAnew_ = true;
            return Claim::Held;
        }
        ::close(fd);
    }
    return Claim::Unavailable;
}

}  // namespace korvane
