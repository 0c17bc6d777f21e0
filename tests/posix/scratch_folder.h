// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of its own for each test that works on the real disk, and a way to
// act as an ordinary user where root would be let through anything.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace korvane {

class ScratchFolder : public ::testing::Test {
  protected:
    static constexpr uid_t kNobody = 65534;

    void SetUp() override {
        std::string name = std::filesystem::temp_directory_path() / "korvane-test-XXXXXX";
        ASSERT_NE(::mkdtemp(name.data()), nullptr) << name;
        folder_ = name;
    }
    void TearDown() override {
        ::chmod(folder_.c_str(), 0700);
        std::filesystem::remove_all(folder_);
    }
    const std::string& folder() const { return folder_; }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    std::string bytesOf(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary | std::ios::trunc) << bytes;
    }
    mode_t modeOf(const std::string& name) const {
        struct stat info {};
        ::lstat(path(name).c_str(), &info);
        return info.st_mode & 07777;
    }
    bool exists(const std::string& name) const {
        struct stat info {};
        return ::lstat(path(name).c_str(), &info) == 0;
    }
    bool isLink(const std::string& name) const {
        struct stat info {};
        return ::lstat(path(name).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    }
    long entries() const { return std::distance(std::filesystem::directory_iterator(folder_), {}); }

    // Runs `work` as an ordinary user: as root the folder goes to "nobody" and the
    // work runs in a child that has become nobody.
    bool asOrdinaryUser(const std::function<bool()>& work) const {
        if (::geteuid() != 0) return work();
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
            if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return false;
        if (::chown(folder_.c_str(), kNobody, kNobody) != 0) return false;
        const pid_t child = ::fork();
        if (child == 0) {
            const bool ok = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && work();
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

  private:
    std::string folder_;
};

}  // namespace korvane
