// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table by keyboard and screen reader on the page: which element is a Tab
// stop and in what order, where the focus goes, what a key does and what each
// control tells a screen reader, all as the table decides it for every window.
#include <map>
#include <string>

#include "access/spoken_table.h"
#include "access/table_access.h"

namespace korvane {

class PageAccess {
  public:
    explicit PageAccess(Form1& form);
    // After every refresh of the view: stops, focus and spoken words.
    void refresh();
    // A key the page passed on, by its name ("Space", "Alt1"), on the focused control.
    void key(const std::string& name, bool repeat);

  private:
    const Widget* focused() const;
    void focus(const Widget* control);

    TableAccess access_;
    SpokenTable spoken_;
    std::map<const Widget*, int> stops_;
    std::map<std::string, const Widget*> byId_;
    bool started_ = false;  // the first refresh shows the table; it tells no change
};

}  // namespace korvane
