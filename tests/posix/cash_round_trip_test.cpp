// SPDX-License-Identifier: GPL-3.0-or-later
// The cash file on a real disk, through the table's start-up and closing.
#include <gtest/gtest.h>
#include <sys/resource.h>
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
        {"0\r\n0\r\n", "0\r\n0\r\n"},
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
