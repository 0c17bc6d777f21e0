// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_claim.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "tests/platform/scratch_folder.h"

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

TEST_F(FolderClaimTest, ClearsOnlyTheGamesOwnLeftoversOnceHeld) {
    const char* leftovers[] = {".korvane-Ab3xYz", ".korvane-000000"};
    const char* kept[] = {".korvane-abc", ".korvane-ABCDEF.x", "korvane-ABCDEF", ".korvane-AB-DEF",
                          "Korvane.cash"};
    for (const char* name : leftovers)
        writeBytes(name, "1\r\n");
    for (const char* name : kept)
        writeBytes(name, "1\r\n");
    ::mkdir(path(".korvane-FOLDER").c_str(), 0700);
    {
        FolderClaim other;
        ASSERT_EQ(other.take(lock()), Claim::Held);
        writeBytes(".korvane-Writin", "half");  // being written by the table that holds it
        FolderClaim mine;
        EXPECT_EQ(mine.take(lock()), Claim::HeldElsewhere);
        EXPECT_TRUE(exists(".korvane-Writin")) << "never while another table holds the lock";
    }
    FolderClaim mine;
    ASSERT_EQ(mine.take(lock()), Claim::Held);
    for (const char* name : leftovers)
        EXPECT_FALSE(exists(name)) << name;
    EXPECT_FALSE(exists(".korvane-Writin"));
    for (const char* name : kept)
        EXPECT_TRUE(exists(name)) << name;
    EXPECT_TRUE(exists(".korvane-FOLDER"));
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

}  // namespace
}  // namespace korvane
