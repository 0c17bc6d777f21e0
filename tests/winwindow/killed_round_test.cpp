// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player runs it, Korvane.exe in a process of its own, killed at
// moments of a round: its cash file is then the old one or a whole new one,
// never a part of either, and the game starts again on it.
#include <filesystem>
#include <fstream>

#include "bank/cash_file.h"
#include "tests/winwindow/win_fixture.h"
#include "winsys/cash_folder.h"
#include "winwindow/win_view.h"

namespace korvane {
namespace {

const std::string kOldFile = "700\r\n0\r\n";

struct Game {
    PROCESS_INFORMATION process{};
    HWND table = nullptr;
    bool box = false;  // a box of the game's opened: no moment here asks for one
};

// The game's table, once shown, and any box it opened.
void lookAt(Game& game) {
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* g = reinterpret_cast<Game*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t kind[32] = L"";
            GetClassNameW(hwnd, kind, 32);
            if (owner != g->process.dwProcessId || !IsWindowVisible(hwnd)) return TRUE;
            if (std::wstring(kind) == L"#32770") g->box = true;
            if (std::wstring(kind) == kTableClass) g->table = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&game));
}

// Waits for `done` while the game runs, failing at once on a box it opens.
bool waitOn(Game& game, const std::function<bool()>& done, DWORD ms) {
    const bool came = waitFor(
        [&] {
            lookAt(game);
            return game.box || done();
        },
        ms);
    EXPECT_FALSE(game.box) << "a box nobody expected";
    return came && !game.box;
}

bool start(Game& game) {
    std::vector<wchar_t> program(32768);
    GetFullPathNameW(wide(KORVANE_GAME).c_str(), static_cast<DWORD>(program.size()), program.data(),
                     nullptr);
    std::wstring line = L"\"" + std::wstring(program.data()) + L"\"";
    STARTUPINFOW info{};
    info.cb = sizeof info;
    if (!CreateProcessW(program.data(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &info, &game.process))
        return false;
    if (waitOn(
            game, [&] { return game.table != nullptr; }, 30000))
        return true;
    TerminateProcess(game.process.hProcess, 9);
    return false;
}

void end(Game& game, bool kill) {
    if (kill) TerminateProcess(game.process.hProcess, 9);
    if (!kill) PostMessageW(game.table, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(game.process.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(game.process.hThread);
    CloseHandle(game.process.hProcess);
}

// A moment, not a wait: the kill lands that far into whatever runs.
void spin(int micros) {
    LARGE_INTEGER from, now, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&from);
    do
        QueryPerformanceCounter(&now);
    while ((now.QuadPart - from.QuadPart) * 1000000 < micros * frequency.QuadPart);
}

// The cash line when `bytes` are a whole cash file as the game reads it, two
// lines each ended by CR LF; nothing otherwise.
std::optional<std::string> cashOf(const std::string& bytes) {
    const auto first = bytes.find("\r\n");
    const auto second = first == std::string::npos ? first : bytes.find("\r\n", first + 2);
    if (second == std::string::npos || second + 2 != bytes.size()) return std::nullopt;
    const CashFileContent read =
        readCashLines({bytes.substr(0, first), bytes.substr(first + 2, second - first - 2)});
    return read.debt ? read.cash : std::nullopt;
}

class KilledRound : public WinWindowTest {
  protected:
    // %APPDATA%\Korvane, where the game plays: in this test's wine prefix, in the build tree.
    const std::wstring folder_ = roamingAppData() + L"\\Korvane";
    const std::filesystem::path file_ = folder_ + L"\\Korvane.cash";
    std::string cashFile() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void setCashFile(const std::string& bytes) const {
        CreateDirectoryW(folder_.c_str(), nullptr);
        std::ofstream(file_, std::ios::binary) << bytes;
    }
};

TEST_F(KilledRound, LeavesTheOldCashFileOrAWholeNewOne) {
    // The game's controls by their ids, which a table made here has too.
    open();
    const int startId = GetDlgCtrlID(window(form().Command3)),
              dealId = GetDlgCtrlID(window(form().Command1)),
              stopId = GetDlgCtrlID(window(form().Command2)),
              cashId = GetDlgCtrlID(window(form().Label10));
    table_.reset();
    const struct {
        const char* moment;
        bool toTheSave;  // killed once the folder shows the save begun
        int micros;      // and this far into it
        bool toTheEnd;   // killed once the round is over
    } moments[] = {
        {"in the deal", false, -1, false},
        {"while the dealer draws", false, 0, false},
        // Writing and flushing the fresh file takes a few milliseconds here.
        {"as the save begins", true, 0, false},
        {"1 ms into the save", true, 1000, false},
        {"4 ms into the save", true, 4000, false},
        {"after the round", false, 0, true},
    };
    for (const auto& m : moments) {
        SCOPED_TRACE(m.moment);
        setCashFile(kOldFile);
        Game game;
        ASSERT_TRUE(start(game));
        const HANDLE watch = FindFirstChangeNotificationW(
            folder_.c_str(), FALSE,
            FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
        ASSERT_NE(watch, INVALID_HANDLE_VALUE);
        const auto enabled = [&](int id) { return IsWindowEnabled(GetDlgItem(game.table, id)); };
        const auto click = [&](int id) {
            SendMessageTimeoutW(GetDlgItem(game.table, id), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                                nullptr);
        };
        click(startId);
        if (m.micros >= 0) {
            // The player's turn, or a round the deal itself settled.
            ASSERT_TRUE(waitOn(
                game, [&] { return enabled(dealId) || enabled(startId); }, 15000));
            if (enabled(dealId)) click(stopId);
        }
        if (m.toTheSave) {
            ASSERT_EQ(WaitForSingleObject(watch, 20000), WAIT_OBJECT_0);
        }
        spin(m.micros);
        if (m.toTheEnd) {
            ASSERT_TRUE(waitOn(
                game, [&] { return enabled(startId); }, 20000));
        }
        end(game, true);
        const bool saving = WaitForSingleObject(watch, 0) == WAIT_OBJECT_0;
        FindCloseChangeNotification(watch);
        const std::string bytes = cashFile();
        EXPECT_TRUE(bytes == kOldFile || cashOf(bytes)) << bytes;
        if (!m.toTheSave && !m.toTheEnd && !saving) {
            EXPECT_EQ(bytes, kOldFile);
        }
    }
    Game again;
    ASSERT_TRUE(start(again));
    wchar_t shown[64] = L"";
    GetWindowTextW(GetDlgItem(again.table, cashId), shown, 64);
    EXPECT_EQ(narrow(shown), cashOf(cashFile()).value_or("(not a cash file)"));
    end(again, false);
}

}  // namespace
}  // namespace korvane
