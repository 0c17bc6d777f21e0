// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/file_replace.h"

#include <fcntl.h>
#if __has_include(<linux/falloc.h>)
#include <linux/falloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "posix/file_paths.h"
#include "posix/fresh_files.h"

namespace korvane {
namespace {

constexpr size_t kFreshLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

FileResult failed(const std::string& what, OldFile left, int error) {
    errno = error;
    return {false, what + ": " + lastError(), left};
}

// `done` tells how much of it reached the file, when it did not all.
bool writeAllAt(int fd, const std::string& bytes, off_t at, size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string& bytes) {
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buffer, static_cast<size_t>(n));
        at += n;
    }
}

// Created with O_EXCL under a name no one can have planted, and with the mode
// 0666 that the kernel cuts down by the player's umask.
int createFresh(const std::string& target, std::string& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kFreshLetters];
        if (::getentropy(random, sizeof random) != 0) return -1;
        std::string letters;
        for (unsigned char r : random)
            letters += kLetters[r % (sizeof kLetters - 1)];
        path = freshPathFor(target, letters);
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The old file's mode, and for root its owner, so a save changes only the lines.
bool keepModeOf(int fd, const struct stat& old) {
    if (::fchmod(fd, old.st_mode & 0777) != 0) return false;
    if (::geteuid() != 0 || (old.st_uid == 0 && old.st_gid == 0)) return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileResult replaceBeside(const std::string& path, const struct stat* old, const std::string& bytes,
                         bool& noNewFile, FileHold* hold) {
    const OldFile left = old ? OldFile::Untouched : OldFile::None;
    std::string fresh;
    const int fd = createFresh(path, fresh);
    noNewFile = fd < 0;
    if (fd < 0) return failed("cannot make a new file beside it", left, errno);
    size_t done = 0;
    bool ok = (!old || keepModeOf(fd, *old)) && writeAllAt(fd, bytes, 0, done) && ::fsync(fd) == 0;
    int error = errno;
    // Locked before it takes the old file's place, so no other table finds the
    // cash unlocked for a moment.
    if (ok && hold) hold->adopt(fd);
    // Each step counts only if the ones before it went through; the first failure is told.
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(fresh.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        if (hold) hold->drop();
        ::unlink(fresh.c_str());
        return failed("cannot write", left, error);
    }
    if (hold) hold->commit();
    syncFolder(folderOf(path));  // so the rename itself survives a crash
    return {};
}

// Room for `size` bytes without changing the file's length; where the system
// cannot reserve room, nothing is reserved and the write goes ahead.
int reserveRoom(int fd, size_t size) {
#if __has_include(<linux/falloc.h>)
    return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size));
#else
    (void)fd;
    (void)size;
    errno = ENOSYS;
    return -1;
#endif
}

FileResult rewriteInPlace(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return failed("cannot open it for writing", OldFile::Untouched, errno);
    std::string old;
    int error = 0;
    if (!readAll(fd, old)) {
        error = errno;
        ::close(fd);
        return failed("cannot read it", OldFile::Untouched, error);
    }
    // Room first, without changing the file: a full disk fails here, before a
    // byte of it changes. A file system that cannot reserve room goes without.
    if (bytes.size() > old.size() && reserveRoom(fd, bytes.size()) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        error = errno;
        ::close(fd);
        return failed("cannot write", OldFile::Untouched, error);
    }
    // A kill between the two steps leaves the new lines followed by the old
    // file's tail, which the cash file's reading never gets to.
    size_t done = 0;
    const bool written = writeAllAt(fd, bytes, 0, done) &&
                         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    if (written)
        return ::close(fd) == 0 ? FileResult{} : failed("cannot write", OldFile::Damaged, errno);
    error = errno;
    if (done == 0) {  // not a byte of the new lines reached the file
        ::close(fd);
        return failed("cannot write", OldFile::Untouched, error);
    }
    const bool restored = writeAllAt(fd, old, 0, done) &&
                          ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    return failed("cannot write", restored ? OldFile::Untouched : OldFile::Damaged, error);
}

}  // namespace korvane
