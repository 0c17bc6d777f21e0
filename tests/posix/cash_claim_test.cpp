// SPDX-License-Identifier: GPL-3.0-or-later
// One table to a cash file, however the file is reached: the lock lies with the
// file itself, a table whose lock was taken from it never writes over another
// table's cash, and only what a killed save of that file left is swept away.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
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
    // `name` made a link to `target`, whatever stood there.
    void relink(const std::string& name, const std::string& target) {
        ::unlink(path(name).c_str());
        ASSERT_EQ(::symlink(target.c_str(), path(name).c_str()), 0) << name;
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

// Before the first save of a fresh start, the lock file alone keeps a second
// table out (once there is a file, the file itself does).
TEST_F(CashClaim, ALockTakenBackNeverLetsATableWriteOverAnothersCash) {
    DiskFiles first;
    ASSERT_EQ(claim(first), Claim::Held);
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

// The lock lies on the cash file itself and passes to each file a save puts in
// its place, so a second table reaching it by any name is kept out: a second
// name from another folder (which the save keeps one file with it), the file
// moved where its link was, the lock file beside it removed, and on a fresh
// start the file the first save made. A table at another file that took the
// lock file meanwhile plays, and takes nothing from the first.
TEST_F(CashClaim, ASecondTableReachingTheClaimedFileByAnyNameIsKeptOut) {
    const struct {
        const char* way;
        bool fresh;             // no cash file at start-up: the first save makes it
        const char* second;     // where the second table plays
        Claim firstAfterwards;  // the first table's claim once the second has tried
        std::function<void(const std::string&)> move;
        Claim secondGets = Claim::HeldElsewhere;
    } ways[] = {
        {"a second name", false, "B", Claim::Held,
         [&](const std::string& c) {
             ASSERT_EQ(::link(path(c + "S/x.cash").c_str(), path(c + "B/Korvane.cash").c_str()), 0);
         }},
        {"the file moved where its link was", false, "F", Claim::FileChanged,
         [&](const std::string& c) {
             ASSERT_EQ(::rename(path(c + "S/x.cash").c_str(), path(c + "F/Korvane.cash").c_str()),
                       0);
         }},
        {"the lock removed", false, "F", Claim::Held,
         [&](const std::string& c) { ::unlink(path(c + "S/Korvane.lock").c_str()); }},
        {"a fresh start, the lock removed", true, "F", Claim::Held,
         [&](const std::string& c) { ::unlink(path(c + "F/Korvane.lock").c_str()); }},
        {"another file beside it, the lock removed", false, "B", Claim::Held,
         [&](const std::string& c) {
             ::unlink(path(c + "S/Korvane.lock").c_str());
             writeBytes(c + "S/y.cash", "1000\r\n0\r\n");
             relink(c + "B/Korvane.cash", "../S/y.cash");
         },
         Claim::Held},
    };
    int n = 0;
    for (const auto& w : ways) {
        const std::string c = std::to_string(n++) + "/";
        for (const char* sub : {"", "S", "F", "B"})
            ::mkdir(path(c + sub).c_str(), 0700);
        if (!w.fresh) {
            writeBytes(c + "S/x.cash", "1000\r\n0\r\n");
            ASSERT_EQ(::symlink("../S/x.cash", path(c + "F/Korvane.cash").c_str()), 0);
        }
        DiskFiles first, second;
        ASSERT_EQ(claim(first, c + "F/Korvane.cash"), Claim::Held) << w.way;
        ASSERT_TRUE(first.writeLines(path(c + "F/Korvane.cash"), {"1010", "0"}).ok) << w.way;
        w.move(c);
        EXPECT_EQ(claim(second, c + w.second + "/Korvane.cash"), w.secondGets) << w.way;
        EXPECT_EQ(claim(first, c + "F/Korvane.cash"), w.firstAfterwards) << w.way;
        if (w.firstAfterwards == Claim::Held) {
            EXPECT_TRUE(first.writeLines(path(c + "F/Korvane.cash"), {"1020", "0"}).ok) << w.way;
        }
    }
    EXPECT_EQ(bytesOf("0/B/Korvane.cash"), "1020\r\n0\r\n") << "one file under both names";
}

// A folder that takes no lock file (one the player may only pass through): the
// cash file itself keeps a second table out, and only where there is none is
// the player told that nothing can.
TEST_F(CashClaim, WhereTheFolderTakesNoLockFileTheCashFileStillKeepsASecondTableOut) {
    writeBytes("Korvane.cash", "1000\r\n0\r\n");
    ::mkdir(path("empty").c_str(), 0700);
    EXPECT_TRUE(asOrdinaryUser([&] {
        ::chmod(folder().c_str(), 0111);
        ::chmod(path("empty").c_str(), 0111);
        DiskFiles first, second, none;
        const bool kept = claim(first) == Claim::Held && claim(second) == Claim::HeldElsewhere &&
                          claim(none, "empty/Korvane.cash") == Claim::Unavailable;
        ::chmod(path("empty").c_str(), 0700);
        ::chmod(folder().c_str(), 0700);
        return kept;
    }));
}

// What a player may do to the cash file's name while a table plays from it: the
// table finds it, saves nothing more, and never replaces another file's lines.
TEST_F(CashClaim, ATableSavesOnlyToTheFileItReadAtStartUp) {
    const struct {
        const char* change;
        const char* start;  // what F/Korvane.cash is at start-up: a link, a file or none
        std::function<void(const std::string&)> make;
    } changes[] = {
        {"the link led to another table's file", "link",
         [&](const std::string& c) { relink(c + "F/Korvane.cash", "../O/Korvane.cash"); }},
        {"the link swapped for a file", "link",
         [&](const std::string& c) {
             ::unlink(path(c + "F/Korvane.cash").c_str());
             writeBytes(c + "F/Korvane.cash", "1000\r\n0\r\n");
         }},
        {"the file swapped for a link", "file",
         [&](const std::string& c) { relink(c + "F/Korvane.cash", "../O/Korvane.cash"); }},
        {"the file replaced by an editor's save", "link",
         [&](const std::string& c) {
             writeBytes(c + "S/edited", "1000\r\n0\r\n");
             ::rename(path(c + "S/edited").c_str(), path(c + "S/x.cash").c_str());
         }},
        {"the file removed", "link",
         [&](const std::string& c) { ::unlink(path(c + "S/x.cash").c_str()); }},
        {"a file copied in on a fresh start", "none",
         [&](const std::string& c) { writeBytes(c + "F/Korvane.cash", "50000\r\n0\r\n"); }},
    };
    int n = 0;
    for (const auto& ch : changes) {
        const std::string c = std::to_string(n++) + "/";
        for (const char* sub : {"", "S", "F", "O"})
            ::mkdir(path(c + sub).c_str(), 0700);
        writeBytes(c + "O/Korvane.cash", "50000\r\n0\r\n");
        writeBytes(c + "S/x.cash", "1000\r\n0\r\n");
        if (std::string(ch.start) == "link") relink(c + "F/Korvane.cash", "../S/x.cash");
        if (std::string(ch.start) == "file") writeBytes(c + "F/Korvane.cash", "1000\r\n0\r\n");
        DiskFiles files;
        const std::string name = path(c + "F/Korvane.cash");
        ASSERT_EQ(files.claim(name, "Korvane.lock"), Claim::Held) << ch.change;
        if (std::string(ch.start) != "none") {
            ASSERT_TRUE(files.writeLines(name, {"1010", "0"}).ok) << ch.change;
            ASSERT_EQ(files.claim(name, "Korvane.lock"), Claim::Held) << "its own save";
        }
        ch.make(c);
        // Found by the save itself, should the change come between a claim and a save.
        EXPECT_FALSE(files.writeLines(name, {"1020", "0"}).ok) << ch.change;
        EXPECT_EQ(files.claim(name, "Korvane.lock"), Claim::FileChanged) << ch.change;
        std::string everything;  // every file of the player's, their lines one after another
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path(c)))
            if (entry.is_regular_file())
                everything += bytesOf(entry.path().string().substr(folder().size() + 1));
        EXPECT_EQ(everything.find("1020"), std::string::npos) << ch.change;
    }
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
