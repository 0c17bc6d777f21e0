// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment leaves the old cash file or the new one, never a
// part of either; what the kill leaves beside it goes at the next start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "posix/disk_files.h"
#include "tests/posix/scratch_folder.h"

namespace korvane {
namespace {

class KilledSaves : public ScratchFolder {
  protected:
    const std::vector<std::string> oldLines{"2350", "2000"};
    const std::vector<std::string> newLines{"123456789.5", "0"};

    // Kills a child that saves the two contents in turn, at random moments.
    // `readOnlyFolder`: the folder takes no new file, so the file is rewritten
    // where it lies. Returns the lines the file held after each kill.
    std::vector<std::vector<std::string>> killSaves(int kills, bool readOnlyFolder) {
        DiskFiles files;
        EXPECT_TRUE(files.writeLines(path("Korvane.cash"), oldLines).ok);
        if (readOnlyFolder) {
            ::chmod(folder().c_str(), 0500);
            if (::geteuid() == 0) {
                EXPECT_EQ(::chown(folder().c_str(), kNobody, kNobody), 0);
                EXPECT_EQ(::chown(path("Korvane.cash").c_str(), kNobody, kNobody), 0);
            }
        }
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> moment(0, 3000);
        std::vector<std::vector<std::string>> seen;
        for (int k = 0; k < kills; ++k) {
            const pid_t child = ::fork();
            if (child == 0) {
                if (readOnlyFolder && ::geteuid() == 0 &&
                    (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                    ::_exit(1);
                for (DiskFiles saver;;)
                    for (const auto* lines : {&newLines, &oldLines})
                        saver.writeLines(path("Korvane.cash"), *lines);
            }
            ::usleep(static_cast<useconds_t>(moment(random)));  // a random moment, not a wait
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            std::vector<std::string> lines;
            EXPECT_TRUE(files.readLines(path("Korvane.cash"), lines).ok);
            seen.push_back(lines);
        }
        ::chmod(folder().c_str(), 0700);
        return seen;
    }
};

TEST_F(KilledSaves, LeaveTheOldFileOrTheNewByteForByte) {
    for (const auto& lines : killSaves(2000, false))
        ASSERT_TRUE(lines == oldLines || lines == newLines) << lines.size();
    const std::string bytes = bytesOf("Korvane.cash");
    EXPECT_TRUE(bytes == "2350\r\n2000\r\n" || bytes == "123456789.5\r\n0\r\n") << bytes;
    std::cout << "fresh files the kills left beside the cash file: " << entries() - 1 << "\n";
    DiskFiles next;
    ASSERT_EQ(next.claim(path("Korvane.cash"), "Korvane.lock"), Claim::Held);
    EXPECT_EQ(entries(), 2) << "the next start clears what the kills left";
}

// Rewritten in place, a kill between writing and cutting the file to its new
// length leaves the new lines followed by the old file's tail: the two lines the
// game reads are still whole, old or new.
TEST_F(KilledSaves, InAShutFolderLeaveTheOldLinesOrTheNew) {
    for (const auto& lines : killSaves(300, true)) {
        ASSERT_GE(lines.size(), 2u);
        const std::vector<std::string> read(lines.begin(), lines.begin() + 2);
        ASSERT_TRUE(read == oldLines || read == newLines) << lines[0] << " " << lines[1];
    }
}

}  // namespace
}  // namespace korvane
