// SPDX-License-Identifier: GPL-3.0-or-later
// The cash file on a Windows disk, under wine: what the table reads and writes,
// and every trouble told in words a player reads, with nothing lost.
#include "winsys/windows_files.h"

#include <functional>

#include "tests/winsys/scratch_folder.h"

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

// Another program lets go of a file only when the test says so.
winsys::Patience briefly(std::function<void(int)> pause = [](int) {}) {
    return {3, std::move(pause)};
}

class WindowsFilesTest : public WindowsScratch {
  protected:
    std::string cash() const { return name(L"Korvane.cash"); }
};

TEST_F(WindowsFilesTest, KeepsCrLfLinesInAFolderNamedWithDanishLetters) {
    WindowsFiles files;
    for (const Lines& saved : {Lines{"2350", "2000"}, Lines{"12.5", "0"}}) {
        ASSERT_TRUE(files.writeLines(cash(), saved).ok);
        Lines read;
        ASSERT_TRUE(files.readLines(cash(), read).ok);
        EXPECT_EQ(read, saved);
    }
    EXPECT_EQ(bytesOf(L"Korvane.cash"), "12.5\r\n0\r\n");
    EXPECT_EQ(entries(), 1) << "a fresh file was left beside it";
    SetCurrentDirectoryW(path(L"").c_str());
    EXPECT_EQ(files.location("Korvane.cash"), cash());
}

TEST_F(WindowsFilesTest, OnlyAMissingFileOrFolderIsNoFile) {
    CreateDirectoryW(path(L"folder").c_str(), nullptr);
    writeBytes(L"file", "1\r\n0\r\n");
    writeBytes(L"big", std::string(64 * 1024 + 1, '9'));
    const struct {
        const wchar_t* name;
        FileKind kind;
        std::string reason;  // of the look, then of a read where the file is there
    } cases[] = {
        {L"nothing", FileKind::Missing, ""},
        {L"gone\\Korvane.cash", FileKind::Missing, ""},
        {L"file", FileKind::Ordinary, ""},
        {L"folder", FileKind::Unusable, "it is a folder"},
        {L"big", FileKind::Ordinary, "too large to be a cash file"},
    };
    WindowsFiles files;
    for (const auto& c : cases) {
        const FileLook look = files.look(name(c.name));
        EXPECT_EQ(look.kind, c.kind) << winsys::narrowed(c.name);
        if (look.kind != FileKind::Missing) {
            Lines lines;
            EXPECT_EQ(files.readLines(name(c.name), lines).reason, c.reason);
        }
    }
}

TEST_F(WindowsFilesTest, AFailedSaveSaysWhyAndLosesNothing) {
    const std::string old = "1000\r\n0\r\n";
    const struct {
        const char* what;
        std::function<void()> lay;
        std::string reason;
        OldFile left;
    } cases[] = {
        {"read-only",
         [this] { SetFileAttributesW(path(L"Korvane.cash").c_str(), FILE_ATTRIBUTE_READONLY); },
         "the file is read-only", OldFile::Untouched},
        {"a folder in its place",
         [this] {
             DeleteFileW(path(L"Korvane.cash").c_str());
             CreateDirectoryW(path(L"Korvane.cash").c_str(), nullptr);
         },
         "it is a folder", OldFile::None},
    };
    for (const auto& c : cases) {
        writeBytes(L"Korvane.cash", old);
        c.lay();
        WindowsFiles files;
        const FileResult saved = files.writeLines(cash(), {"2000", "0"});
        EXPECT_FALSE(saved.ok) << c.what;
        EXPECT_EQ(saved.reason, c.reason) << c.what;
        EXPECT_EQ(saved.left, c.left) << c.what;
        if (c.left == OldFile::Untouched) {
            EXPECT_EQ(bytesOf(L"Korvane.cash"), old) << c.what;
        }
        EXPECT_EQ(entries(), 1) << c.what << ": a fresh file was left";
        TearDown();
        SetUp();
    }
    WindowsFiles files;
    const FileResult nowhere = files.writeLines(name(L"gone\\Korvane.cash"), {"2000", "0"});
    EXPECT_EQ(nowhere.reason, "cannot make a new file beside it: there is no such folder");
    EXPECT_EQ(nowhere.left, OldFile::None);
}

TEST_F(WindowsFilesTest, AFileAnotherProgramHoldsIsWaitedForThenTold) {
    writeBytes(L"Korvane.cash", "1000\r\n0\r\n");
    HANDLE editor = holdOpen(L"Korvane.cash", 0);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    WindowsFiles patient(briefly());
    const FileResult held = patient.writeLines(cash(), {"2000", "0"});
    EXPECT_EQ(held.reason,
              "cannot put the new file in its place: another program has the file open");
    EXPECT_EQ(held.left, OldFile::Untouched);
    Lines lines;
    EXPECT_EQ(patient.readLines(cash(), lines).reason,
              "cannot open: another program has the file open");
    CloseHandle(editor);
    EXPECT_EQ(bytesOf(L"Korvane.cash"), "1000\r\n0\r\n");
    EXPECT_EQ(entries(), 1) << "a fresh file was left";

    // A program that lets go while the table waits: the save goes through.
    editor = holdOpen(L"Korvane.cash", 0);
    int pauses = 0;
    WindowsFiles waiting(briefly([&](int) {
        if (++pauses == 1) CloseHandle(editor);
    }));
    EXPECT_TRUE(waiting.writeLines(cash(), {"3000", "0"}).ok);
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(bytesOf(L"Korvane.cash"), "3000\r\n0\r\n");
}

}  // namespace
}  // namespace korvane
