// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/folder_claim.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>

#include "tests/posix/scratch_folder.h"

namespace korvane {
namespace {

class FolderClaimTest : public ScratchFolder {
  protected:
    std::string lock() const { return path("Korvane.lock"); }
};

TEST_F(FolderClaimTest, OneTableAtATimeAndTheNextOnceItHasGone) {
    auto first = std::make_unique<FolderClaim>();
    ASSERT_EQ(first->take(lock()), Claim::Held);
    EXPECT_EQ(first->take(lock()), Claim::Held) << "taking it again changes nothing";
    FolderClaim second;
    EXPECT_EQ(second.take(lock()), Claim::HeldElsewhere);
    first.reset();
    EXPECT_EQ(second.take(lock()), Claim::Held);
}

TEST_F(FolderClaimTest, AKilledTableKeepsNoOneOut) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        FolderClaim claim;
        const char held = claim.take(lock()) == Claim::Held ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1) ::_exit(1);
        ::pause();
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);  // waits until the child holds it
    EXPECT_EQ(held, 'y');
    FolderClaim mine;
    EXPECT_EQ(mine.take(lock()), Claim::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(mine.take(lock()), Claim::Held);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(FolderClaimTest, APlantedLinkIsNeverOpenedAndAShutFolderStillTakesTheLock) {
    ASSERT_EQ(::symlink("victim", lock().c_str()), 0);
    {
        FolderClaim claim;
        EXPECT_EQ(claim.take(lock()), Claim::Held);
        FolderClaim second;
        EXPECT_EQ(second.take(lock()), Claim::HeldElsewhere);
    }
    EXPECT_FALSE(exists("victim")) << "the link's target was not made";
    ::unlink(lock().c_str());
    EXPECT_TRUE(asOrdinaryUser([&] {
        ::chmod(folder().c_str(), 0500);  // takes no new file, not even the lock file
        FolderClaim claim, second;
        const bool ok =
            claim.take(lock()) == Claim::Held && second.take(lock()) == Claim::HeldElsewhere;
        ::chmod(folder().c_str(), 0700);
        return ok;
    }));
}

// Whatever comes to stand at the lock's name while a table holds it, the next
// table takes the lock at the name, and the first finds at its next look that
// it no longer holds the lock every other table meets.
TEST_F(FolderClaimTest, ALockRemovedOrReplacedIsNoLongerHeld) {
    const std::function<void()> replacements[] = {
        [] {},
        [&] { writeBytes("Korvane.lock", ""); },
        [&] { ::mkdir(lock().c_str(), 0700); },
        [&] { EXPECT_EQ(::symlink("elsewhere", lock().c_str()), 0); },
        [&] { ::mkfifo(lock().c_str(), 0600); },
    };
    for (size_t kind = 0; kind < std::size(replacements); ++kind) {
        FolderClaim first;
        ASSERT_EQ(first.take(lock()), Claim::Held);
        ASSERT_EQ(std::filesystem::remove(lock()), true);
        replacements[kind]();
        {
            FolderClaim second;
            ASSERT_EQ(second.take(lock()), Claim::Held) << kind;
            EXPECT_EQ(first.take(lock()), Claim::HeldElsewhere) << kind;
        }
        // Once the other table has gone, the lock at the name is taken anew.
        EXPECT_EQ(first.take(lock()), Claim::Held) << kind;
        EXPECT_TRUE(first.takenAnew()) << kind;
        FolderClaim third;
        EXPECT_EQ(third.take(lock()), Claim::HeldElsewhere) << kind;
        EXPECT_EQ(first.take(lock()), Claim::Held) << kind;
        EXPECT_FALSE(first.takenAnew()) << kind << ": still the same lock";
        std::filesystem::remove_all(lock());
    }
}

// A lock file planted where the player may not open it leaves the folder to
// carry the lock, for every table alike, and keeps it there at each look.
TEST_F(FolderClaimTest, ALockFileThePlayerMayNotOpenLeavesTheFolderToCarryIt) {
    writeBytes("Korvane.lock", "");
    ::chmod(lock().c_str(), 0);
    EXPECT_TRUE(asOrdinaryUser([&] {
        FolderClaim first, second;
        return first.take(lock()) == Claim::Held && second.take(lock()) == Claim::HeldElsewhere &&
               first.take(lock()) == Claim::Held && !first.takenAnew();
    }));
}

// The folder may take no lock at all: execute-only, it can be neither listed nor
// written, so no lock file can be made and the folder cannot be opened.
TEST_F(FolderClaimTest, AFolderThatTakesNoLockSaysSo) {
    EXPECT_TRUE(asOrdinaryUser([&] {
        ::chmod(folder().c_str(), 0111);
        FolderClaim claim;
        const bool unavailable = claim.take(lock()) == Claim::Unavailable;
        ::chmod(folder().c_str(), 0700);
        return unavailable;
    }));
}

}  // namespace
}  // namespace korvane
