// SPDX-License-Identifier: GPL-3.0-or-later
// One table to a cash file on Windows, however it is reached, a table that
// writes only the very file it read, and the sweep of what killed saves left.
#include <functional>
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

// A second name of the file (a hard link) in another folder, with a lock file of
// its own there: only the lock on the file itself keeps a second table out. It
// outlasts a save that failed, and passes to the file each save puts in place, on
// a fresh start the first.
TEST_F(WindowsClaimTest, ASecondNameOfTheHeldFileFindsItHeld) {
    for (const bool fresh : {false, true}) {
        const std::wstring c = fresh ? L"fresh\\" : L"read\\";
        for (const auto* sub : {L"", L"S", L"B", L"C"})
            CreateDirectoryW(path(c + sub).c_str(), nullptr);
        if (!fresh) writeBytes(c + L"S\\Korvane.cash", "1000\r\n0\r\n");
        const auto linkIn = [&](const wchar_t* folder) {
            return CreateHardLinkW(path(c + folder + L"\\Korvane.cash").c_str(),
                                   path(c + L"S\\Korvane.cash").c_str(), nullptr);
        };
        const std::string first = name(c + L"S\\Korvane.cash");
        auto table = std::make_unique<WindowsFiles>(winsys::Patience{2, [](int) {}});
        ASSERT_EQ(table->claim(first, "Korvane.lock"), Claim::Held) << fresh;
        if (!fresh) {
            ASSERT_TRUE(linkIn(L"B"));
            // A save another program keeps from its place leaves the file held all the same.
            const HANDLE editor = holdOpen(c + L"S\\Korvane.cash", FILE_SHARE_READ);
            EXPECT_FALSE(table->writeLines(first, {"1005", "0"}).ok);
            CloseHandle(editor);
            WindowsFiles second;
            EXPECT_EQ(second.claim(name(c + L"B\\Korvane.cash"), "Korvane.lock"),
                      Claim::HeldElsewhere);
        }
        ASSERT_TRUE(table->writeLines(first, {"1010", "0"}).ok) << fresh;
        EXPECT_EQ(table->claim(first, "Korvane.lock"), Claim::Held) << "its own save, " << fresh;
        ASSERT_TRUE(linkIn(L"C")) << "to the file the save put in place, " << fresh;
        WindowsFiles third, fourth;
        EXPECT_EQ(third.claim(name(c + L"C\\Korvane.cash"), "Korvane.lock"), Claim::HeldElsewhere)
            << fresh;
        table.reset();
        EXPECT_EQ(fourth.claim(name(c + L"C\\Korvane.cash"), "Korvane.lock"), Claim::Held)
            << "let go with the table, " << fresh;
    }
}

// What a player may do to the cash file while a table plays from it: the table
// finds it before a save, saves nothing more, and replaces no other file.
TEST_F(WindowsClaimTest, ATableSavesOnlyToTheFileItReadAtStartUp) {
    const struct {
        const char* change;
        bool fresh;          // no cash file at start-up
        std::string atName;  // what the change left at the name; empty: nothing
        std::function<void(const std::wstring&)> make;  // given the case's folder
    } changes[] = {
        {"replaced by an editor's save", false, "5000\r\n0\r\n",
         [&](const std::wstring& c) {
             writeBytes(c + L"edited", "5000\r\n0\r\n");
             ASSERT_TRUE(ReplaceFileW(path(c + L"Korvane.cash").c_str(),
                                      path(c + L"edited").c_str(), nullptr, 0, nullptr, nullptr));
         }},
        {"renamed away", false, "",
         [&](const std::wstring& c) {
             ASSERT_TRUE(
                 MoveFileW(path(c + L"Korvane.cash").c_str(), path(c + L"moved.cash").c_str()));
         }},
        {"copied in on a fresh start", true, "5000\r\n0\r\n",
         [&](const std::wstring& c) { writeBytes(c + L"Korvane.cash", "5000\r\n0\r\n"); }},
    };
    int n = 0;
    for (const auto& ch : changes) {
        const std::wstring c = std::to_wstring(n++) + L"\\";
        CreateDirectoryW(path(c).c_str(), nullptr);
        const std::string cash = name(c + L"Korvane.cash");
        if (!ch.fresh) writeBytes(c + L"Korvane.cash", "1000\r\n0\r\n");
        WindowsFiles files;
        ASSERT_EQ(files.claim(cash, "Korvane.lock"), Claim::Held) << ch.change;
        if (!ch.fresh) {
            ASSERT_TRUE(files.writeLines(cash, {"1010", "0"}).ok) << ch.change;
        }
        ch.make(c);
        const long left = entries(c);
        // Found by the save itself, should the change come between a claim and a save.
        EXPECT_EQ(files.writeLines(cash, {"1020", "0"}).reason,
                  "it is no longer the file read at start-up")
            << ch.change;
        EXPECT_EQ(files.claim(cash, "Korvane.lock"), Claim::FileChanged) << ch.change;
        EXPECT_EQ(bytesOf(c + L"Korvane.cash"), ch.atName) << ch.change;
        EXPECT_EQ(exists(c + L"Korvane.cash"), !ch.atName.empty()) << ch.change;
        EXPECT_EQ(entries(c), left) << ch.change << ": a file was left or made";
    }
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
