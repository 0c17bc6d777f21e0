// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole game on a Qt screen: the table, its window and the desktop services,
// owned together for the run.
#include <functional>
#include <memory>

#include "platform/seeded_random.h"
#include "platform/system_services.h"
#include "table/form1.h"
#include "window/qt_services.h"
#include "window/table_view.h"

namespace korvane {

class QtTable {
  public:
    // Shuffles from the time of day, unless a test hands in its own numbers.
    // `raiseOpenTable` is asked, when another table holds the folder, to bring
    // that one to the front instead of telling the player.
    explicit QtTable(Random* random = nullptr, std::function<bool()> raiseOpenTable = {});
    ~QtTable();

    // Creates the table (its start-up runs here) and shows the window.
    void show();
    // Closes the window as the player would; the table's closing runs once.
    void close();
    // Brings the window, and any box open over it, to the front.
    void raise();
    // Writes the cash as the table stands, without a word on the screen, for a
    // run that must end now; the closing then never runs.
    void saveAsItStands();

    Form1& form() { return form_; }
    TableView& view() { return *view_; }

  private:
    void unloadOnce();

    QtMessageBoxes boxes_;
    QtSound sound_;
    std::unique_ptr<TextFiles> files_ = makeDiskFiles();
    SeededRandom seeded_;
    std::unique_ptr<Clock> clock_ = makeSystemClock();
    QtTimers timers_;
    Form1 form_;
    std::unique_ptr<TableView> view_;
    bool unloaded_ = false;
};

}  // namespace korvane
