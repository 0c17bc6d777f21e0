// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps what a screen reader is told in step with the table: every control's
// name in the language in force, and an accessibility event for each change the
// table reports (access/spoken_table.h), so "Your Turn" or "YOU WIN" is spoken
// as it appears.
#include <QWidget>
#include <map>

#include "access/spoken_table.h"

namespace korvane {

class AccessibleTable {
  public:
    explicit AccessibleTable(const TableWindow& table) : spoken_(table) {}
    AccessibleTable(const AccessibleTable&) = delete;
    AccessibleTable& operator=(const AccessibleTable&) = delete;
    // The widgets stop speaking: what they would say is no longer here.
    ~AccessibleTable();

    // The widget that shows a control on the screen.
    void add(const Widget& control, QWidget& widget);
    // After every refresh: tell what changed since the last.
    void update();

  private:
    static void announce(QWidget* widget, const SpokenChange& change);

    SpokenTable spoken_;
    std::map<const Widget*, QWidget*> widgets_;
};

}  // namespace korvane
