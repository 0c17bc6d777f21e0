// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long to bear with another program that has a file open: a virus scanner
// looking at a fresh file, an editor or a backup holding the cash file. Windows
// refuses what such a program's sharing forbids; it passes with time.
#include <windows.h>

#include <functional>

namespace korvane::winsys {

struct Patience {
    int tries = 20;
    // Runs before each try after the first, told which try comes next.
    std::function<void(int)> pause = [](int) { Sleep(50); };

    // Calls `attempt` until it says it is done or the tries run out; true if done.
    template <typename Attempt>
    bool bear(Attempt attempt) const {
        for (int tried = 0; tried < tries; ++tried) {
            if (tried > 0) pause(tried);
            if (attempt()) return true;
        }
        return false;
    }
};

}  // namespace korvane::winsys
