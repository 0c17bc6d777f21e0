// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace korvane {
namespace {

FileResult failure(const std::string& what) {
    return {false, what + ": " + std::strerror(errno)};
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A cash file that is a symbolic link stays one: its target, followed through
// every link, is what gets replaced, whether or not it exists yet.
std::string resolvedTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0) return path;
        const std::string next(target, static_cast<size_t>(n));
        const auto slash = path.rfind('/');
        path = next.front() == '/' || slash == std::string::npos ? next
                                                                 : path.substr(0, slash + 1) + next;
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

FileResult writeDirectly(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return failure("cannot open for writing");
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return written ? FileResult{} : failure("cannot write");
}

FileResult writeBeside(const std::string& path, const std::string& bytes, bool& noTemporary) {
    std::string temporary = folderOf(path) + "/.korvane-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    noTemporary = fd < 0;
    if (fd < 0) return failure("cannot create a file beside it");
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    if (ok && ::rename(temporary.c_str(), path.c_str()) == 0) {
        syncFolder(folderOf(path));  // so the rename itself survives a crash
        return {};
    }
    const int failed = ok ? errno : saved;
    ::unlink(temporary.c_str());
    errno = failed;
    return failure("cannot write");
}

}  // namespace

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool DiskFiles::exists(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileResult DiskFiles::readLines(const std::string& name, std::vector<std::string>& lines) {
    lines.clear();
    // Opened without blocking and checked before reading, so a pipe or a device
    // of that name can never hang the table.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failure("cannot open");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {false, "not an ordinary file"};
    }
    if (info.st_size > kLargestReadable) {
        ::close(fd);
        return {false, "too large to be a cash file"};
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            FileResult result = failure("cannot read");
            ::close(fd);
            return result;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > static_cast<size_t>(kLargestReadable)) {
            ::close(fd);
            return {false, "too large to be a cash file"};
        }
    }
    ::close(fd);
    lines = splitLines(bytes);
    return {};
}

FileResult DiskFiles::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = resolvedTarget(name);
    struct stat info {};
    // A folder, pipe or device of that name is never written into nor replaced.
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return {false, "not an ordinary file"};
    const std::string bytes = joined(lines);
    bool noTemporary = false;
    FileResult result = writeBeside(path, bytes, noTemporary);
    // A folder that takes no new file may still let the file itself be rewritten.
    if (!result.ok && noTemporary && ::access(path.c_str(), W_OK) == 0)
        return writeDirectly(path, bytes);
    return result;
}

std::string DiskFiles::location(const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) return name;
    return std::string(folder) + "/" + name;
}

}  // namespace korvane
