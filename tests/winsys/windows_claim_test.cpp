// SPDX-License-Identifier: GPL-3.0-or-later
// One table to a cash file on Windows, and the sweep of what killed saves left.
#include <memory>

#include "tests/winsys/scratch_folder.h"
#include "winsys/windows_files.h"

namespace korvane {
namespace {

class WindowsClaimTest : public WindowsScratch {
  protected:
    Claim claim(WindowsFiles& files) { return files.claim(name(L"Korvane.cash"), "Korvane.lock"); }
};

TEST_F(WindowsClaimTest, ASecondTableIsKeptOutUntilTheFirstGoes) {
    auto first = std::make_unique<WindowsFiles>(winsys::Patience{2, [](int) {}});
    ASSERT_EQ(claim(*first), Claim::Held);
    WindowsFiles second(winsys::Patience{2, [](int) {}});
    EXPECT_EQ(claim(second), Claim::HeldElsewhere);
    EXPECT_EQ(claim(*first), Claim::Held) << "claimed again before a save";
    EXPECT_FALSE(DeleteFileW(path(L"Korvane.lock").c_str())) << "a held lock cannot be removed";
    first.reset();  // as a killed table's does, its lock goes with it
    WindowsFiles third;
    EXPECT_EQ(claim(third), Claim::Held);

    WindowsFiles nowhere;
    EXPECT_EQ(nowhere.claim(name(L"gone\\Korvane.cash"), "Korvane.lock"), Claim::Unavailable);
}

TEST_F(WindowsClaimTest, TheFirstClaimSweepsOnlyDeadFreshFilesOfItsOwn) {
    const std::wstring fresh = L".Korvane.cash~korvane-save~";
    for (const auto* name : {L"Dead1234", L"Live5678", L"Linked12", L"bad-name"})
        writeBytes(fresh + name, "1\r\n");
    writeBytes(L".Other.cash~korvane-save~Dead1234", "1\r\n");
    writeBytes(L".korvane-backup", "1\r\n");
    CreateDirectoryW(path(fresh + L"Folder12").c_str(), nullptr);
    ASSERT_TRUE(
        CreateHardLinkW(path(L"kept.cash").c_str(), path(fresh + L"Linked12").c_str(), nullptr));
    const HANDLE liveSave = CreateFileW(path(fresh + L"Live5678").c_str(), GENERIC_WRITE | DELETE,
                                        0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(liveSave, INVALID_HANDLE_VALUE);

    WindowsFiles files;
    ASSERT_EQ(claim(files), Claim::Held);
    CloseHandle(liveSave);
    EXPECT_FALSE(exists(fresh + L"Dead1234"));
    for (const auto* kept : {L"Live5678", L"Linked12", L"bad-name", L"Folder12"})
        EXPECT_TRUE(exists(fresh + kept)) << winsys::narrowed(kept);
    EXPECT_TRUE(exists(L".Other.cash~korvane-save~Dead1234"));
    EXPECT_TRUE(exists(L".korvane-backup"));
}

}  // namespace
}  // namespace korvane
