// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/file_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace korvane {

LinkWalk followLinks(const std::string& name) {
    std::string path = name;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {path, ""};
        if (info.st_uid != ::geteuid() && info.st_uid != 0)
            return {path, "it is a link owned by another user"};
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0) return {path, lastError()};
        const std::string next(target, static_cast<size_t>(n));
        const auto slash = path.rfind('/');
        path = next.front() == '/' || slash == std::string::npos ? next
                                                                 : path.substr(0, slash + 1) + next;
    }
    return {path, "its links go round in a circle"};
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISLNK(mode)) return "a link";
    return "not an ordinary file";
}

std::string lastError() {
    return std::strerror(errno);
}

}  // namespace korvane
