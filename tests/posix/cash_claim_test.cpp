// SPDX-License-Identifier: GPL-3.0-or-later
// One table to a cash file, however the file is reached: the lock lies with the
// file itself, a table whose lock was taken from it never writes over another
// table's cash, and only what a killed save of that file left is swept away.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "posix/disk_files.h"
#include "posix/fresh_files.h"
#include "tests/posix/scratch_folder.h"

namespace korvane {
namespace {

class CashClaim : public ScratchFolder {
  protected:
    Claim claim(DiskFiles& files, const std::string& name = "Korvane.cash") {
        return files.claim(path(name), "Korvane.lock");
    }
    // A fresh file's name for `file`, as a save by this process would make it,
    // with some of the writer's marks changed: {part, value}, the parts counted
    // from 0 (host, boot, pid, start, letters).
    std::string freshName(const std::string& file, std::vector<std::pair<int, std::string>> marks) {
        const std::string made = freshPathFor(path(file), "Ab3xYz");
        const auto mark = made.find("~korvane-save~");
        std::vector<std::string> parts;
        std::istringstream rest(made.substr(mark + 14));
        for (std::string part; std::getline(rest, part, '~');)
            parts.push_back(part);
        for (const auto& [part, value] : marks)
            parts[static_cast<size_t>(part)] = value;
        std::string name = made.substr(made.rfind('/') + 1, mark - made.rfind('/') - 1);
        name += "~korvane-save~";
        for (size_t i = 0; i < parts.size(); ++i)
            name += (i ? "~" : "") + parts[i];
        return name;
    }
    // A process that has ended.
    static std::string endedPid() {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return std::to_string(child);
    }
    // A process that lives until the test is over, however it ends.
    struct Living {
        Living() : pid(::fork()) {
            if (pid == 0) {
                ::pause();
                ::_exit(0);
            }
        }
        ~Living() {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        // Its start, the 22nd field of its stat line.
        std::string start() const {
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string line, field;
            std::getline(stat, line);
            std::istringstream fields(line.substr(line.rfind(')') + 1));
            for (int n = 3; n <= 22; ++n)
                fields >> field;
            return field;
        }
        const pid_t pid;
    };
};

TEST_F(CashClaim, TablesReachingOneFileThroughLinksMeetAtOneLock) {
    ::mkdir(path("A").c_str(), 0700);
    ::mkdir(path("B").c_str(), 0700);
    writeBytes("B/Korvane.cash", "1000\r\n0\r\n");
    ASSERT_EQ(::symlink("../B/Korvane.cash", path("A/Korvane.cash").c_str()), 0);
    // A save through the link killed earlier left its fresh file beside the file itself.
    const std::string left = freshName("B/Korvane.cash", {{2, endedPid()}});
    writeBytes("B/" + left, "10");
    DiskFiles inA, inB;
    ASSERT_EQ(claim(inA, "A/Korvane.cash"), Claim::Held);
    EXPECT_EQ(claim(inB, "B/Korvane.cash"), Claim::HeldElsewhere);
    EXPECT_TRUE(exists("B/Korvane.lock"));
    EXPECT_FALSE(exists("A/Korvane.lock"));
    EXPECT_FALSE(exists("B/" + left)) << "swept where the file is";
}

TEST_F(CashClaim, ALockTakenBackNeverLetsATableWriteOverAnothersCash) {
    writeBytes("Korvane.cash", "1000\r\n0\r\n");
    DiskFiles first;
    ASSERT_EQ(claim(first), Claim::Held);
    ASSERT_TRUE(first.writeLines(path("Korvane.cash"), {"1010", "0"}).ok);
    ::unlink(path("Korvane.lock").c_str());
    EXPECT_EQ(claim(first), Claim::Held) << "no other table came: taken back";
    ::unlink(path("Korvane.lock").c_str());
    {
        DiskFiles second;  // plays, saves and goes while the first does not look
        ASSERT_EQ(claim(second), Claim::Held);
        ASSERT_TRUE(second.writeLines(path("Korvane.cash"), {"1020", "0"}).ok);
    }
    EXPECT_EQ(claim(first), Claim::HeldElsewhere);
    EXPECT_EQ(claim(first), Claim::HeldElsewhere) << "for the rest of the run";
    EXPECT_EQ(bytesOf("Korvane.cash"), "1020\r\n0\r\n");
}

TEST_F(CashClaim, TheSweepTakesOnlyWhatAKilledSaveOfThisFileLeft) {
    const Living living;
    const std::string live = std::to_string(living.pid);
    const std::string ended = endedPid();
    const std::vector<std::string> swept{
        freshName("Korvane.cash", {{2, ended}}),
        freshName("Korvane.cash", {{1, "0123456789abcdef"}}),  // before the machine restarted
        freshName("Korvane.cash", {{2, live}, {3, "1"}}),      // a reused number
    };
    const std::vector<std::string> kept{
        ".korvane-backup",
        ".korvane-Ab3xYz",
        "Korvane.cash~korvane-save~x",
        freshName("Korvane.cash", {}),  // this very process
        freshName("Korvane.cash", {{2, live}, {3, living.start()}}),
        freshName("Korvane.cash", {{0, "another-machine"}, {2, ended}}),
        freshName("Other.cash", {{2, ended}}),
        freshName("Korvane.cash", {{2, ended}, {4, "Zz9"}}) + "~more",
    };
    for (const auto& name : swept)
        writeBytes(name, "1");
    for (const auto& name : kept)
        writeBytes(name, "my backup: 250000");
    // The player's second name for a file of theirs, and a folder, both under a
    // name a killed save could have left.
    const std::string linked = freshName("Korvane.cash", {{2, ended}, {4, "Linked"}});
    writeBytes("mine.txt", "mine");
    ASSERT_EQ(::link(path("mine.txt").c_str(), path(linked).c_str()), 0);
    const std::string folderNamed = freshName("Korvane.cash", {{2, ended}, {4, "Folder"}});
    ::mkdir(path(folderNamed).c_str(), 0700);
    {
        DiskFiles files;
        ASSERT_EQ(claim(files), Claim::Held);
    }
    for (const auto& name : swept)
        EXPECT_FALSE(exists(name)) << name;
    for (const auto& name : kept)
        EXPECT_EQ(bytesOf(name), "my backup: 250000") << name;
    EXPECT_EQ(bytesOf(linked), "mine");
    EXPECT_TRUE(exists(folderNamed));
}

// In a folder shared with another user, what a killed save of theirs left is
// theirs to clear.
TEST_F(CashClaim, TheSweepLeavesAnotherUsersFreshFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can lay a file of another user";
    const std::string others = freshName("Korvane.cash", {{2, endedPid()}});
    writeBytes(others, "theirs");
    ASSERT_EQ(::lchown(path(others).c_str(), kNobody, kNobody), 0);
    DiskFiles files;
    ASSERT_EQ(claim(files), Claim::Held);
    EXPECT_EQ(bytesOf(others), "theirs");
}

}  // namespace
}  // namespace korvane
