// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the table plays in on Windows, made on its first start.
#include "winsys/cash_folder.h"

#include "tests/winsys/scratch_folder.h"

namespace korvane {
namespace {

using CashFolderTest = WindowsScratch;

TEST_F(CashFolderTest, IsMadeWithTheSoundsItLacks) {
    CreateDirectoryW(path(L"sounds").c_str(), nullptr);
    for (const auto* sound : {L"sounds\\deal.wav", L"sounds\\win.wav", L"sounds\\notes.wave"})
        writeBytes(sound, "RIFF");
    CreateDirectoryW(path(L"AppData Ærø").c_str(), nullptr);
    CreateDirectoryW(path(L"AppData Ærø\\Korvane").c_str(), nullptr);
    writeBytes(L"AppData Ærø\\Korvane\\win.wav", "the player's own");

    for (int start = 0; start < 2; ++start) {
        const CashFolder made = prepareCashFolder(path(L"AppData Ærø"), path(L"sounds"));
        EXPECT_EQ(made.problem, "");
        EXPECT_EQ(made.path, path(L"AppData Ærø\\Korvane"));
    }
    EXPECT_EQ(bytesOf(L"AppData Ærø\\Korvane\\deal.wav"), "RIFF");
    EXPECT_EQ(bytesOf(L"AppData Ærø\\Korvane\\win.wav"), "the player's own");
    EXPECT_FALSE(exists(L"AppData Ærø\\Korvane\\notes.wave"));

    // A file where the folder or its Korvane would be, or no folder named at all.
    writeBytes(L"a file", "");
    CreateDirectoryW(path(L"holds a file").c_str(), nullptr);
    writeBytes(L"holds a file\\Korvane", "");
    for (const std::wstring& base : {path(L"a file"), path(L"holds a file"), std::wstring()})
        EXPECT_NE(prepareCashFolder(base, path(L"sounds")).problem, "") << winsys::narrowed(base);
}

}  // namespace
}  // namespace korvane
