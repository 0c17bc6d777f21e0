// SPDX-License-Identifier: GPL-3.0-or-later
// The cash file on a real disk, through the table's start-up and closing.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "bank/cash_import.h"
#include "headless/headless_platform.h"
#include "platform/text_lines.h"
#include "posix/disk_files.h"
#include "table/form1.h"
#include "tests/posix/scratch_folder.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

class CashRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("korvane-cash-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }
    // One run of the game: start-up, then closing. Returns the boxes it showed.
    std::vector<ShownBox> run(std::function<void(Form1&)> play = nullptr) {
        HeadlessPlatform platform(&files_);
        Form1 form(platform.services());
        form.Form_Load();
        if (play) play(form);
        form.Form_Unload();
        return platform.boxes.shown();
    }
    static std::string bytes() {
        std::ifstream in("Korvane.cash", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void lay(const std::string& b) { std::ofstream("Korvane.cash", std::ios::binary) << b; }

    fs::path home_, folder_;
    DiskFiles files_;
};

TEST_F(CashRoundTrip, WhatTheFileHeldComesBackByteForByte) {
    const std::pair<const char*, const char*> cases[] = {
        {" 500\r\n0\r\n", " 500\r\n0\r\n"},
        {"12\xA0"
         "34\r\n0\r\n",
         "12\xA0"
         "34\r\n0\r\n"},
        {"caf\xE9\r\n7\r\n", "caf\xE9\r\n7\r\n"},
        {"2350\n2000\n", "2350\r\n2000\r\n"},
        {"2350\r2000\r", "2350\r\n2000\r\n"},
        {"750", "750\r\n0\r\n"},
        {"", "1000\r\n0\r\n"},
        {"\xEF\xBB\xBF"
         "1000\r\n0\r\n",
         "1000\r\n0\r\n"},
    };
    for (const auto& [before, after] : cases) {
        lay(before);
        EXPECT_TRUE(run().empty()) << before;
        EXPECT_EQ(bytes(), after) << before;
    }
}

// A debt beyond the table's 32 bits is cut to the nearest it can hold, and the
// player is told so at start-up, with the file's place and the debt now owed.
TEST_F(CashRoundTrip, ADebtBeyondWhatTheTableHoldsIsCutAndTold) {
    const std::pair<const char*, const char*> cases[] = {
        {"2147483648", "2147483647"}, {"1099511627776", "2147483647"},
        {"1e308", "2147483647"},      {"2147483647.5", "2147483647"},
        {"-1e308", "-2147483648"},    {"-2147483649", "-2147483648"}};
    for (const auto& [debt, cut] : cases) {
        lay(std::string("100\r\n") + debt + "\r\n");
        int32_t read = 0;
        const auto boxes = run([&read](Form1& f) { read = f.Debt; });
        EXPECT_EQ(std::to_string(read), cut) << debt;
        ASSERT_EQ(boxes.size(), 1u) << debt;
        EXPECT_EQ(boxes[0].box.text, "The debt in the cash file " +
                                         (folder_ / "Korvane.cash").string() +
                                         " lies beyond what the table can hold.\rIt was cut to " +
                                         cut + ", and is saved so.");
        EXPECT_EQ(bytes(), std::string("100\r\n") + cut + "\r\n");
    }
    for (const char* debt : {"2147483647", "-2147483648", "2147483646.5", "junk"}) {
        lay(std::string("100\r\n") + debt + "\r\n");
        EXPECT_TRUE(run().empty()) << debt << " fits, and is not told";
    }
}

TEST_F(CashRoundTrip, NoFileStartsFreshAndAZeroStaysSixBytes) {
    run();
    EXPECT_EQ(bytes(), "1000\r\n0\r\n");
    lay("0\r\n0\r\n");
    for (int i = 0; i < 3; ++i)
        run([](Form1& f) { EXPECT_EQ(f.Label10.caption, "0"); });
    EXPECT_EQ(bytes(), "0\r\n0\r\n");
}

TEST_F(CashRoundTrip, AnUnreadableFileIsToldAndLeftUntouched) {
    if (::geteuid() == 0) {
        // Root reads anything, so make the file too large to be a cash file instead.
        lay(std::string(kLargestReadable + 10, '7'));
    } else {
        lay("2350\r\n2000\r\n");
        fs::permissions("Korvane.cash", fs::perms::none);
    }
    const std::string before = ::geteuid() == 0 ? bytes() : "";
    const auto boxes = run([](Form1& f) { EXPECT_EQ(f.Label10.caption, "1000"); });
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].box.text.find((folder_ / "Korvane.cash").string()), std::string::npos);
    EXPECT_NE(boxes[0].box.text.find("could not be read"), std::string::npos);
    EXPECT_NE(boxes[1].box.text.find("left as it was"), std::string::npos);
    fs::permissions("Korvane.cash", fs::perms::owner_all);
    EXPECT_EQ(bytes(), ::geteuid() == 0 ? before : "2350\r\n2000\r\n");
}

// What stands in the cash file's place and is no file to read is told at
// start-up, and left as it is at the close.
TEST_F(CashRoundTrip, AnythingButAnOrdinaryFileIsToldAtStartUpAndLeft) {
    for (const char* kind : {"folder", "pipe", "dangling link"}) {
        fs::remove_all("Korvane.cash");
        const std::string what = kind;
        if (what == "pipe")
            ASSERT_EQ(::mkfifo("Korvane.cash", 0600), 0);
        else if (what == "folder")
            fs::create_directory("Korvane.cash");
        else
            fs::create_symlink("gone.cash", "Korvane.cash");
        const auto boxes = run([](Form1& f) { EXPECT_EQ(f.Label10.caption, "1000"); });
        ASSERT_EQ(boxes.size(), 2u) << kind;
        EXPECT_NE(boxes[0].box.text.find("could not be read"), std::string::npos) << kind;
        EXPECT_NE(boxes[1].box.text.find("left as it was"), std::string::npos) << kind;
        EXPECT_EQ(fs::is_fifo("Korvane.cash"), what == "pipe");
        EXPECT_EQ(fs::is_directory("Korvane.cash"), what == "folder");
        EXPECT_EQ(fs::is_symlink("Korvane.cash"), what == "dangling link");
        EXPECT_FALSE(fs::exists("gone.cash")) << "a link that leads nowhere makes no file";
    }
}

TEST_F(CashRoundTrip, AWriteCutOffHalfWayLeavesTheOldFile) {
    lay("2350\r\n2000\r\n");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4;  // the disk "fills up" four bytes into the new file
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto boxes = run([](Form1& f) { f.Label10.caption = "123456789"; });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].box.text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(bytes(), "2350\r\n2000\r\n");
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().find("~korvane-save~"), std::string::npos)
            << "no half-written file is left";
}

TEST_F(CashRoundTrip, ALinkedFileIsSavedThroughItsLink) {
    std::ofstream("saved.cash", std::ios::binary) << "10\r\n0\r\n";
    fs::create_symlink("saved.cash", "Korvane.cash");
    run([](Form1& f) { f.Label10.caption = "20"; });
    EXPECT_TRUE(fs::is_symlink("Korvane.cash"));
    EXPECT_EQ(bytes(), "20\r\n0\r\n");
}

// A cash file the player made read-only is the player's: left, and said so.
TEST_F(CashRoundTrip, AReadOnlyFileIsLeftAndToldAtTheClose) {
    lay("2350\r\n2000\r\n");
    fs::permissions("Korvane.cash",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto boxes = run([](Form1& f) { f.Label10.caption = "7"; });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].box.text.find("read-only"), std::string::npos) << boxes[0].box.text;
    EXPECT_NE(boxes[0].box.text.find("The old file was left as it was."), std::string::npos);
    EXPECT_EQ(bytes(), "2350\r\n2000\r\n");
}

std::string randomBytes(size_t size) {
    std::string bytes(size, '\0');
    uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

using OpenedCashFile = ScratchFolder;

// Whatever the player opens is read as the table reads Korvane.cash from its folder.
TEST_F(OpenedCashFile, IsReadAsTheTableReadsItsOwn) {
    const std::string files[] = {"2350\r\n2000\r\n",
                                 "\xEF\xBB\xBF"
                                 "750\n125\n",
                                 "1e3\r-5",
                                 " 500\r\r\n",
                                 "caf\xE9\r\n10",
                                 "",
                                 "\r\n",
                                 std::string("12\0"
                                             "34\r\n7",
                                             8),
                                 randomBytes(4096),
                                 randomBytes(kLargestReadable)};
    DiskFiles disk;
    for (const std::string& bytes : files) {
        writeBytes(kCashFileName, bytes);
        std::vector<std::string> lines;
        ASSERT_TRUE(disk.readLines(path(kCashFileName), lines).ok);
        const CashFileContent desktop = readCashLines(lines);
        const OpenedCash opened = readOpenedCash(bytes);
        ASSERT_TRUE(opened.ok) << bytes.size();
        EXPECT_EQ(opened.content.cash, desktop.cash) << bytes.size();
        EXPECT_EQ(opened.content.debt, desktop.debt) << bytes.size();
    }
}

}  // namespace
}  // namespace korvane
