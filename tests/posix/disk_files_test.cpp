// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/disk_files.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "platform/text_lines.h"
#include "tests/posix/scratch_folder.h"

namespace korvane {
namespace {

class DiskFilesTest : public ScratchFolder {
  protected:
    DiskFiles files_;
};

TEST_F(DiskFilesTest, WritesCrLfLinesAndReadsThemBack) {
    ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {" 500", "1000"}).ok);
    EXPECT_EQ(bytesOf("Korvane.cash"), " 500\r\n1000\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(files_.readLines(path("Korvane.cash"), lines).ok);
    EXPECT_EQ(lines, (std::vector<std::string>{" 500", "1000"}));
    EXPECT_EQ(files_.look(path("Korvane.cash")).kind, FileKind::Ordinary);
    EXPECT_EQ(entries(), 1) << "no fresh file left";
}

// Only "no such file" starts a table afresh; anything else in the file's place,
// or any other trouble looking at it, is told and never replaced.
TEST_F(DiskFilesTest, OnlyAMissingFileIsNoFile) {
    writeBytes("real", "1\r\n0\r\n");
    ::mkdir(path("folder").c_str(), 0700);
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const int unix = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path("socket").c_str());
    ASSERT_EQ(::bind(unix, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::symlink("real", path("link").c_str()), 0);
    ASSERT_EQ(::symlink("gone", path("dangling").c_str()), 0);
    ASSERT_EQ(::symlink("loop", path("loop").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", path("device").c_str()), 0);
    const std::pair<const char*, const char*> unusable[] = {
        {"folder", "a folder"}, {"pipe", "a pipe"},   {"socket", "a socket"},
        {"device", "a device"}, {"dangling", "gone"}, {"loop", "circle"}};
    for (const auto& [name, reason] : unusable) {
        const FileLook look = files_.look(path(name));
        EXPECT_EQ(look.kind, FileKind::Unusable) << name;
        EXPECT_NE(look.reason.find(reason), std::string::npos) << name << ": " << look.reason;
        std::vector<std::string> lines;
        EXPECT_FALSE(files_.readLines(path(name), lines).ok) << name << " (and it never hangs)";
    }
    EXPECT_EQ(files_.look(path("real")).kind, FileKind::Ordinary);
    EXPECT_EQ(files_.look(path("link")).kind, FileKind::Ordinary);
    EXPECT_EQ(files_.look(path("missing")).kind, FileKind::Missing);
    ::close(unix);
}

TEST_F(DiskFilesTest, AFolderThatCannotBeLookedIntoIsNotAMissingFile) {
    ::mkdir(path("shut").c_str(), 0700);
    const std::string inside = path("shut") + "/Korvane.cash";
    EXPECT_TRUE(asOrdinaryUser([&] {
        ::chmod(path("shut").c_str(), 0600);  // no search permission
        DiskFiles files;
        const FileLook look = files.look(inside);
        ::chmod(path("shut").c_str(), 0700);
        return look.kind == FileKind::Unusable && look.reason == "Permission denied";
    }));
}

TEST_F(DiskFilesTest, AFileTooLargeToBeACashFileIsUnreadable) {
    writeBytes("big", std::string(kLargestReadable + 1, '9'));
    std::vector<std::string> lines;
    const FileResult result = files_.readLines(path("big"), lines);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("too large"), std::string::npos);
}

TEST_F(DiskFilesTest, ANewFileFollowsTheUmaskAndAnOldOneKeepsItsMode) {
    for (const mode_t mask : {mode_t{077}, mode_t{022}, mode_t{002}}) {
        ::unlink(path("Korvane.cash").c_str());
        const mode_t before = ::umask(mask);
        ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {"1", "0"}).ok);
        ::umask(before);
        EXPECT_EQ(modeOf("Korvane.cash"), 0666 & ~mask) << std::oct << mask;
    }
    ::chmod(path("Korvane.cash").c_str(), 0640);
    ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {"2", "0"}).ok);
    EXPECT_EQ(modeOf("Korvane.cash"), 0640u);
}

TEST_F(DiskFilesTest, AReadOnlyFileIsLeftAndSaysSo) {
    writeBytes("Korvane.cash", "2350\r\n2000\r\n");
    ::chmod(path("Korvane.cash").c_str(), 0444);
    const FileResult result = files_.writeLines(path("Korvane.cash"), {"7", "0"});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "the file is read-only");
    EXPECT_EQ(result.left, OldFile::Untouched);
    EXPECT_EQ(bytesOf("Korvane.cash"), "2350\r\n2000\r\n");
}

TEST_F(DiskFilesTest, ALinkedCashFileStaysALink) {
    writeBytes("real.cash", "1\r\n0\r\n");
    ASSERT_EQ(::symlink("real.cash", path("Korvane.cash").c_str()), 0);
    ASSERT_TRUE(files_.writeLines(path("Korvane.cash"), {"2350", "2000"}).ok);
    EXPECT_TRUE(isLink("Korvane.cash"));
    EXPECT_EQ(bytesOf("real.cash"), "2350\r\n2000\r\n");
}

// In a shared folder another user may plant the cash file's name as a link to the
// player's own files: the game neither reads nor writes through it.
TEST_F(DiskFilesTest, AnotherUsersLinkIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can plant a link owned by another user";
    writeBytes("mine", "precious\n");
    ::chmod(path("mine").c_str(), 0666);
    ASSERT_EQ(::symlink("mine", path("Korvane.cash").c_str()), 0);
    ASSERT_EQ(::lchown(path("Korvane.cash").c_str(), kNobody, kNobody), 0);
    const FileResult wrote = files_.writeLines(path("Korvane.cash"), {"evil", "0"});
    EXPECT_FALSE(wrote.ok);
    EXPECT_EQ(wrote.reason, "it is a link owned by another user");
    std::vector<std::string> lines;
    EXPECT_FALSE(files_.readLines(path("Korvane.cash"), lines).ok);
    EXPECT_EQ(files_.look(path("Korvane.cash")).kind, FileKind::Unusable);
    EXPECT_EQ(bytesOf("mine"), "precious\n");
    EXPECT_TRUE(isLink("Korvane.cash"));
}

TEST_F(DiskFilesTest, OnlyAnOrdinaryFileIsWritten) {
    ASSERT_EQ(::symlink("/dev/null", path("device").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    ::mkdir(path("folder").c_str(), 0700);
    for (const char* name : {"device", "dangling", "folder"}) {
        const FileResult result = files_.writeLines(path(name), {"1", "0"});
        EXPECT_FALSE(result.ok) << name;
        EXPECT_EQ(result.left, OldFile::None) << name;
    }
    EXPECT_FALSE(exists("nowhere")) << "a link that leads nowhere makes no file";
    EXPECT_EQ(entries(), 3) << "no fresh file left";
}

TEST_F(DiskFilesTest, AFolderThatTakesNoNewFileStillLetsTheFileBeRewritten) {
    const std::pair<const char*, const char*> cases[] = {{"1000000\r\n2000\r\n", "7\r\n0\r\n"},
                                                         {"1\r\n0\r\n", "123456789\r\n1000\r\n"}};
    for (const auto& [before, after] : cases) {
        writeBytes("Korvane.cash", before);
        const std::string cash = path("Korvane.cash");
        const std::string want = after;
        EXPECT_TRUE(asOrdinaryUser([&] {
            ::chmod(folder().c_str(), 0500);
            DiskFiles files;
            const bool ok = files.writeLines(cash, splitLines(want)).ok;
            ::chmod(folder().c_str(), 0700);
            return ok;
        }));
        EXPECT_EQ(bytesOf("Korvane.cash"), after);
    }
}

TEST_F(DiskFilesTest, AFailedWriteWithNoOldFileSaysThereWasNone) {
    const FileResult result = files_.writeLines(path("no/such/folder/Korvane.cash"), {"1", "0"});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.left, OldFile::None);
    EXPECT_FALSE(result.reason.empty());
}

}  // namespace
}  // namespace korvane
