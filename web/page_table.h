// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table in a browser page: Form1 on the page's services, its view, and the
// loop that takes the player's events and the timers' ticks one at a time.
#include <map>
#include <string>

#include "platform/seeded_random.h"
#include "table/form1.h"
#include "web/page_access.h"
#include "web/page_services.h"
#include "web/page_timers.h"
#include "web/page_view.h"

namespace korvane {

class PageTable {
  public:
    PageTable();
    // Runs the table until the page goes; returns at once when another page of
    // the same origin holds the table.
    void run();

  private:
    void handle(const std::string& event);
    void openCash();
    void offerCash();
    // After every event: the page's words and its note, where they changed.
    void tellPage();
    std::string storageNote() const;

    PageTimers timers_;
    PageBoxes boxes_;
    PageSound sound_;
    PageFiles files_;
    SeededRandom random_;
    Form1 form_;
    std::unique_ptr<PageView> view_;
    std::unique_ptr<PageAccess> access_;
    std::map<std::string, Widget*> byId_;
    bool storageUsable_ = true;
    Language wordsIn_ = Language::English;
    std::string note_;
};

}  // namespace korvane
