// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player runs it, Korvane.exe in a process of its own, killed at
// moments of a round: its cash file is then the old one or a whole new one,
// never a part of either, and the game starts again on it.
#include <filesystem>
#include <fstream>

#include "bank/cash_file.h"
#include "platform/text_lines.h"
#include "tests/winwindow/win_fixture.h"
#include "winsys/cash_folder.h"
#include "winwindow/win_view.h"

namespace korvane {
namespace {

const std::string kOldFile = "700\r\n0\r\n";

// The game in a process of its own, ended with the test at the latest.
struct Game {
    PROCESS_INFORMATION process{};
    HWND table = nullptr;
    bool box = false;  // a box of the game's opened: no moment here asks for one

    ~Game() { end(true); }
    // Killed, or closed as a player closes it.
    void end(bool kill) {
        if (!process.hProcess) return;
        if (kill) TerminateProcess(process.hProcess, 9);
        if (!kill) PostMessageW(table, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        process = {};
    }
    bool enabled(int id) const { return IsWindowEnabled(GetDlgItem(table, id)); }
    void click(int id) const {
        SendMessageTimeoutW(GetDlgItem(table, id), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
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
    return waitOn(
        game, [&] { return game.table != nullptr; }, 30000);
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
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.size() != 2 || joinLines(lines) != bytes) return std::nullopt;
    const CashFileContent read = readCashLines(lines);
    return read.debt ? read.cash : std::nullopt;
}

struct Moment {
    const char* name;
    bool toTheSave;  // killed once the folder shows the save begun
    int micros;      // and this far into it
    bool toTheEnd;   // killed once the round is over
};

// The game's controls, by their ids.
struct Ids {
    int start, deal, stop, cash;
};

class KilledRound : public WinWindowTest {
  protected:
    // %APPDATA%\Korvane, where the game plays: in this test's wine prefix, in the build tree.
    const std::wstring folder_ = roamingAppData() + L"\\Korvane";
    const std::filesystem::path file_ = folder_ + L"\\Korvane.cash";
    std::string cashFile() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Starts the game on the old file, kills it at `m` and reads the file it left;
    // `saving`: the folder had changed by then.
    std::string killAt(const Moment& m, const Ids& ids, bool& saving) {
        CreateDirectoryW(folder_.c_str(), nullptr);
        std::ofstream(file_, std::ios::binary) << kOldFile;
        Game game;
        if (!start(game)) return "(no table)";
        const HANDLE watch = FindFirstChangeNotificationW(
            folder_.c_str(), FALSE,
            FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
        game.click(ids.start);
        // The player's turn, or a round the deal itself settled.
        const bool stopped =
            m.micros < 0 ||
            waitOn(
                game, [&] { return game.enabled(ids.deal) || game.enabled(ids.start); }, 15000);
        if (m.micros >= 0 && game.enabled(ids.deal)) game.click(ids.stop);
        const bool reached =
            stopped && (!m.toTheSave || WaitForSingleObject(watch, 20000) == WAIT_OBJECT_0);
        spin(m.micros);
        if (m.toTheEnd && !waitOn(
                              game, [&] { return game.enabled(ids.start); }, 20000))
            return "(no end of the round)";
        game.end(true);
        saving = WaitForSingleObject(watch, 0) == WAIT_OBJECT_0;
        FindCloseChangeNotification(watch);
        return reached ? cashFile() : "(the moment never came)";
    }
};

TEST_F(KilledRound, LeavesTheOldCashFileOrAWholeNewOne) {
    // The game's controls have the ids a table made here gives them.
    open();
    const auto id = [&](const Widget& control) { return GetDlgCtrlID(window(control)); };
    const Ids ids{id(form().Command3), id(form().Command1), id(form().Command2),
                  id(form().Label10)};
    table_.reset();
    const Moment moments[] = {
        {"in the deal", false, -1, false},
        {"while the dealer draws", false, 0, false},
        // Writing and flushing the fresh file takes a few milliseconds here.
        {"as the save begins", true, 0, false},
        {"1 ms into the save", true, 1000, false},
        {"4 ms into the save", true, 4000, false},
        {"after the round", false, 0, true},
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        bool saving = false;
        const std::string bytes = killAt(m, ids, saving);
        EXPECT_TRUE(bytes == kOldFile || cashOf(bytes)) << bytes;
        // Before the settlement nothing is saved.
        if (!m.toTheSave && !m.toTheEnd && !saving) {
            EXPECT_EQ(bytes, kOldFile);
        }
    }
    Game again;
    ASSERT_TRUE(start(again));
    wchar_t shown[64] = L"";
    GetWindowTextW(GetDlgItem(again.table, ids.cash), shown, 64);
    EXPECT_EQ(narrow(shown), cashOf(cashFile()).value_or("(not a cash file)"));
    again.end(false);
}

}  // namespace
}  // namespace korvane
