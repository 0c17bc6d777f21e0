// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace korvane {
namespace {

namespace fs = std::filesystem;

class DiskFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("korvane-files-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }
    std::string path(const char* name) const { return (folder_ / name).string(); }
    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void writeBytes(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    fs::path folder_;
    DiskFiles files_;
};

TEST(SplitLines, EndsLinesAtCrLfLoneLfOrLoneCr) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"0\r\n0\r\n", {"0", "0"}}, {"2350\n2000\n", {"2350", "2000"}},
        {"1\r2\r", {"1", "2"}},     {"1\r\n\r\n", {"1", ""}},
        {"500", {"500"}},           {"", {}},
        {"\n\n7", {"", "", "7"}},   {"a\r\r\nb", {"a", "", "b"}}};
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(splitLines(bytes), lines);
}

TEST_F(DiskFilesTest, WritesCrLfLinesAndReadsThemBack) {
    ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {" 500", "1000"}).ok);
    EXPECT_EQ(bytesOf(path("Korvane.cash")), " 500\r\n1000\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(files_.readLines(path("Korvane.cash"), lines).ok);
    EXPECT_EQ(lines, (std::vector<std::string>{" 500", "1000"}));
    EXPECT_TRUE(files_.exists(path("Korvane.cash")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1) << "no temporary file left";
}

TEST_F(DiskFilesTest, OnlyAnOrdinaryFileExistsAndNothingElseIsRead) {
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    std::vector<std::string> lines;
    for (const char* name : {"folder", "pipe", "missing"}) {
        EXPECT_FALSE(files_.exists(path(name))) << name;
        EXPECT_FALSE(files_.readLines(path(name), lines).ok) << name;  // and never hangs
    }
}

TEST_F(DiskFilesTest, AFileTooLargeToBeACashFileIsUnreadable) {
    writeBytes(path("big"), std::string(DiskFiles::kLargestReadable + 1, '9'));
    std::vector<std::string> lines;
    const FileResult result = files_.readLines(path("big"), lines);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("too large"), std::string::npos);
}

TEST_F(DiskFilesTest, ALinkedCashFileStaysALink) {
    writeBytes(path("real.cash"), "1\r\n0\r\n");
    fs::create_symlink(path("real.cash"), path("Korvane.cash"));
    ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {"2350", "2000"}).ok);
    EXPECT_TRUE(fs::is_symlink(path("Korvane.cash")));
    EXPECT_EQ(bytesOf(path("real.cash")), "2350\r\n2000\r\n");
}

// Runs `work` as an ordinary user: root writes anywhere, so as root the test
// hands the folder to "nobody" and runs in a child that has become nobody.
bool asOrdinaryUser(const fs::path& folder, const std::function<bool()>& work) {
    if (::geteuid() != 0) return work();
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return false;
    if (::chown(folder.c_str(), kNobody, kNobody) != 0) return false;
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && work();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(DiskFilesTest, AFolderThatTakesNoNewFileStillLetsTheFileBeRewritten) {
    writeBytes(path("Korvane.cash"), "1\r\n0\r\n");
    const std::string cash = path("Korvane.cash");
    const fs::path folder = folder_;
    EXPECT_TRUE(asOrdinaryUser(folder_, [&] {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        DiskFiles files;
        const bool ok = files.writeLines(cash, {"7", "0"}).ok;
        fs::permissions(folder, fs::perms::owner_all);
        return ok;
    }));
    EXPECT_EQ(bytesOf(path("Korvane.cash")), "7\r\n0\r\n");
}

TEST_F(DiskFilesTest, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    const FileResult result = files_.writeLines(path("no/such/folder/Korvane.cash"), {"1", "0"});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

}  // namespace
}  // namespace korvane
