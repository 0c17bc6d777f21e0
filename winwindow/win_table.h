// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole game on a Windows screen: the table, its window and the desktop's
// services, owned together for the run, in the folder the program plays in.
#include <functional>
#include <memory>

#include "platform/seeded_random.h"
#include "platform/system_services.h"
#include "table/form1.h"
#include "winwindow/win_services.h"
#include "winwindow/win_view.h"

namespace korvane {

class WinTable {
  public:
    // Shuffles from the time of day, unless a test hands in its own numbers.
    // `raiseOpenTable` is asked, when another table holds the folder, to bring
    // that one to the front instead of telling the player.
    explicit WinTable(Random* random = nullptr, std::function<bool()> raiseOpenTable = {});
    ~WinTable();
    WinTable(const WinTable&) = delete;
    WinTable& operator=(const WinTable&) = delete;

    // Creates the window (the table's start-up has run) and shows it as Windows
    // asks (`show`, as wWinMain is told), active, so the keys play at once.
    void show(int show);
    // Writes the cash as the table stands, without a word on the screen, for a
    // run that must end now; the closing then never runs.
    void saveAsItStands();

    Form1& form() { return form_; }
    WinView& view() { return *view_; }

  private:
    void unloadOnce();

    WinBoxes boxes_;
    WinSound sound_;
    std::unique_ptr<TextFiles> files_ = makeDiskFiles();
    SeededRandom seeded_;
    std::unique_ptr<Clock> clock_ = makeSystemClock();
    WinTimers timers_;
    Form1 form_;
    std::unique_ptr<WinView> view_;
    bool unloaded_ = false;
};

}  // namespace korvane
