// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the table plays on Windows, whatever folder it was started from: its own
// folder in the player's roaming application data, %APPDATA%\Korvane, which
// keeps the cash file between runs and the sounds the table plays.
#include <string>

namespace korvane {

struct CashFolder {
    std::wstring path;    // the folder, in full
    std::string problem;  // empty, or why there is no folder to play in, in words a player reads
};

// The player's roaming application data folder; empty when Windows names none.
std::wstring roamingAppData();
// The folder the running program lies in.
std::wstring programFolder();

// `base`\Korvane, made when missing, with every sound (*.wav) of `sounds` copied
// in that it does not hold yet: a sound the player put there stays theirs.
CashFolder prepareCashFolder(const std::wstring& base, const std::wstring& sounds);

}  // namespace korvane
