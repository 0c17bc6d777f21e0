// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps what a screen reader is told in step with the table: every control's
// name in the language in force, and an accessibility event for each change, so
// "Your Turn" or "YOU WIN" is spoken as it appears.
#include <QWidget>
#include <vector>

#include "ui/spoken.h"
#include "ui/table_window.h"

namespace korvane {

class AccessibleTable {
  public:
    explicit AccessibleTable(const TableWindow& table) : table_(table) {}
    AccessibleTable(const AccessibleTable&) = delete;
    AccessibleTable& operator=(const AccessibleTable&) = delete;
    // The widgets stop speaking: what they would say is no longer here.
    ~AccessibleTable();

    // The widget that shows a control on the screen.
    void add(const Widget& control, QWidget& widget);
    // After every refresh: tell what changed since the last.
    void update();

  private:
    struct Entry {
        const Widget* control;
        QWidget* widget;
        Spoken last;
    };
    void announce(Entry& entry, const Spoken& now);

    const TableWindow& table_;
    std::vector<Entry> entries_;
};

}  // namespace korvane
