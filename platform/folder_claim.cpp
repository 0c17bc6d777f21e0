// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_claim.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_paths.h"
#include "platform/file_replace.h"

namespace korvane {
namespace {

// The lock file, made if need be; never through a link. Where the folder takes
// no new file, the folder itself carries the lock.
int openLock(const std::string& lockName) {
    const int flags = O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(lockName.c_str(), O_RDWR | O_CREAT | flags, 0666);
    if (fd < 0) fd = ::open(lockName.c_str(), O_RDONLY | flags);
    if (fd < 0) fd = ::open(folderOf(lockName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd;
}

}  // namespace

FolderClaim::~FolderClaim() {
    if (fd_ >= 0) ::close(fd_);
}

Claim FolderClaim::take(const std::string& lockName) {
    if (fd_ >= 0) return Claim::Held;
    const int fd = openLock(lockName);
    if (fd < 0) return Claim::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool elsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return elsewhere ? Claim::HeldElsewhere : Claim::Unavailable;
    }
    fd_ = fd;
    // No other table writes here now, so a fresh file is one whose save was killed.
    sweepFreshFiles(folderOf(lockName));
    return Claim::Held;
}

void sweepFreshFiles(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;
    const int at = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat info {};
        if (!isFreshFileName(entry->d_name) ||
            ::fstatat(at, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) ::unlinkat(at, entry->d_name, 0);
    }
    ::closedir(listing);
}

}  // namespace korvane
