// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane on Windows: 21 against the dealer, for play money, on a green table.
// It plays in the player's own folder, %APPDATA%\Korvane, whatever folder it was
// started from; a second start brings the open table to the front.
#include <windows.h>
// after windows.h, whose types they use
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "winsys/cash_folder.h"
#include "winwindow/one_table.h"
#include "winwindow/wide_text.h"
#include "winwindow/win_table.h"

namespace {

// How long a second start waits for the open table's window.
constexpr DWORD kRaiseDeadlineMs = 1500;

// Windows gave no folder to keep the cash in: the player hears why, and decides
// whether to play in a passing one regardless.
bool playWithoutCashFolder(const std::string& why, const std::wstring& sounds,
                           std::wstring& folder) {
    const std::wstring text = L"Korvane cannot keep your cash between games: " +
                              korvane::wide(why) +
                              L".\r\nPlay anyway? The cash of this game is lost when it closes.";
    if (MessageBoxW(nullptr, text.c_str(), L"Korvane", MB_YESNO | MB_ICONWARNING) != IDYES)
        return false;
    wchar_t passing[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH + 1, passing);
    folder = korvane::prepareCashFolder(passing, sounds).path;
    return !folder.empty();
}

int play(int show) {
    const std::wstring sounds = korvane::programFolder() + L"\\sounds";
    const korvane::CashFolder prepared =
        korvane::prepareCashFolder(korvane::roamingAppData(), sounds);
    std::wstring folder = prepared.path;
    if (!prepared.problem.empty() && !playWithoutCashFolder(prepared.problem, sounds, folder))
        return 0;
    const korvane::OneTable one(folder);
    if (one.elsewhere() && one.raiseOpen(kRaiseDeadlineMs)) return 0;
    SetCurrentDirectoryW(folder.c_str());
    korvane::WinTable table(nullptr, [&one] { return one.raiseOpen(kRaiseDeadlineMs); });
    if (table.form().standsDown()) return 0;  // the player sees the table already open
    one.mark(table.view().hwnd());
    table.show(show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int status = play(show);
    CoUninitialize();
    return status;
}
