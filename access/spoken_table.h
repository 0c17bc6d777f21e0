// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of the table, and what to announce after each
// event: a window keeps one of these, asks it after every refresh, and raises
// an accessibility event of its own for each change it reports, so "Your Turn"
// or "YOU WIN" is spoken as it appears. The words themselves are spokenFor's
// (ui/spoken.h), in the language in force.
#include <vector>

#include "ui/spoken.h"
#include "ui/table_window.h"

namespace korvane {

struct SpokenChange {
    const Widget* control = nullptr;
    Spoken now;
    bool appeared = false;     // it presents something now and did not before
    bool went = false;         // it presented something and now presents nothing
    bool name = false;         // the name changed
    bool description = false;  // the longer word changed
    bool value = false;        // it shows a new number
    bool checked = false;      // a back became, or stopped being, the one in use
    bool shown = false;        // the text it shows changed, not only the language of its name
};

// What a window that tells changes in words of its own (the page's live
// region) says of one: a label's name with what it shows now ("Cash: 990"),
// once its text changes; "" for a change nothing is said of.
std::string toldOf(const SpokenChange& change);

// The cheat switches: no screen reader finds them, no key reaches them.
bool keptSecret(const TableWindow& table, const Widget& control);

class SpokenTable {
  public:
    // Every control a window shows, but the cheat switches, starting from silence.
    explicit SpokenTable(const TableWindow& table);

    // What a control presents as the table stands now.
    Spoken now(const Widget& control) const { return spokenFor(table_, control); }
    // What changed since the last call, control by control, in the table's order.
    std::vector<SpokenChange> update();

  private:
    struct Entry {
        const Widget* control;
        Spoken last;
        std::string caption;  // what a label showed
    };
    const TableWindow& table_;
    std::vector<Entry> entries_;
};

}  // namespace korvane
