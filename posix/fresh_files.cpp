// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/fresh_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "posix/file_paths.h"

namespace korvane {
namespace {

constexpr char kMark[] = "~korvane-save~";

// Who writes a fresh file: each part holds no '~', so the name splits back.
struct Writer {
    std::string host;   // the machine's name, letters, digits and '-' only
    std::string boot;   // changes each time the machine starts
    std::string pid;    // the process
    std::string start;  // when the process started, so a reused number tells
};

// Plain ASCII, whatever the locale says a letter is.
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f');
}
bool isLetterOrDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isHostLetter(char c) {
    return isLetterOrDigit(c) || c == '-';
}

bool madeOf(const std::string& part, bool (*kind)(char)) {
    return !part.empty() && std::all_of(part.begin(), part.end(), kind);
}

std::string firstLineOf(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "-";
    std::string kept;
    for (const char* c = name; *c && kept.size() < 40; ++c)
        if (isHostLetter(*c)) kept += *c;
    return kept.empty() ? "-" : kept;
}

std::string bootId() {
    std::string id = firstLineOf("/proc/sys/kernel/random/boot_id");
    id.erase(std::remove(id.begin(), id.end(), '-'), id.end());
    return id;
}

// The start of a process in the clock ticks since the machine started, the 22nd
// field of its stat line; nothing when there is no such process.
std::optional<std::string> startOf(const std::string& pid) {
    const std::string line = firstLineOf("/proc/" + pid + "/stat");
    const auto name = line.rfind(')');  // the command's name may hold blanks
    if (name == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(name + 1));
    std::string field;
    for (int n = 3; n <= 22; ++n)
        if (!(fields >> field)) return std::nullopt;
    return field;
}

Writer me() {
    const std::string pid = std::to_string(::getpid());
    return {hostName(), bootId(), pid, startOf(pid).value_or("0")};
}

// The writer a fresh file's name tells, after its mark; nothing for any other name.
std::optional<Writer> writerOf(const std::string& entry) {
    const auto mark = entry.find(kMark);
    if (mark == std::string::npos) return std::nullopt;
    std::vector<std::string> parts;
    std::istringstream rest(entry.substr(mark + sizeof kMark - 1));
    for (std::string part; std::getline(rest, part, '~');)
        parts.push_back(part);
    if (parts.size() != 5 || !madeOf(parts[0], isHostLetter) || !madeOf(parts[1], isHex) ||
        !madeOf(parts[2], isDigit) || !madeOf(parts[3], isDigit) ||
        !madeOf(parts[4], isLetterOrDigit) || parts[4].size() > 16)
        return std::nullopt;
    return Writer{parts[0], parts[1], parts[2], parts[3]};
}

std::string baseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Built by appending: GCC's optimiser takes "." + a temporary for an overlapping copy.
std::string prefixFor(const std::string& path) {
    std::string prefix = ".";
    prefix += baseOf(path);
    prefix += kMark;
    return prefix;
}

}  // namespace

std::string freshPathFor(const std::string& path, const std::string& letters) {
    const Writer writer = me();
    std::string fresh = folderOf(path);
    fresh += '/';
    fresh += prefixFor(path);
    fresh += writer.host;
    fresh += '~';
    fresh += writer.boot.empty() ? "0" : writer.boot;
    fresh += '~';
    fresh += writer.pid;
    fresh += '~';
    fresh += writer.start;
    fresh += '~';
    fresh += letters;
    return fresh;
}

bool isFreshFileFor(const std::string& path, const std::string& entry) {
    const std::string prefix = prefixFor(path);
    return entry.compare(0, prefix.size(), prefix) == 0 && writerOf(entry).has_value();
}

bool writerMayLive(const std::string& entry) {
    const auto writer = writerOf(entry);
    const Writer self = me();
    // Without the machine's own marks nothing can be told apart: leave it.
    if (!writer || self.boot.empty()) return true;
    if (writer->host != self.host) return true;  // another machine on a shared disk
    if (writer->boot != self.boot) return false;
    return startOf(writer->pid) == writer->start;
}

void sweepFreshFiles(const std::string& path) {
    DIR* listing = ::opendir(folderOf(path).c_str());
    if (!listing) return;
    const int at = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat info {};
        if (!isFreshFileFor(path, entry->d_name) ||
            ::fstatat(at, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        // A second name means the player keeps it under that name too.
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1 &&
            !writerMayLive(entry->d_name))
            ::unlinkat(at, entry->d_name, 0);
    }
    ::closedir(listing);
}

}  // namespace korvane
