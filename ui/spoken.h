// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table as a screen reader presents it: for each control a role, a name and
// what it holds, in the language in force, following the screen.
#include <optional>
#include <string>

#include "ui/table_window.h"

namespace korvane {

enum class SpokenRole { None, Window, Group, Label, Button, CheckBox, ScrollBar, Graphic, Choice };

struct Spoken {
    SpokenRole role = SpokenRole::None;  // None: a screen reader finds nothing there
    std::string name;
    std::string description;
    std::optional<double> value;  // the number a label or the bet shows
    bool checked = false;         // the back in use, among the chooser's five
    bool operator==(const Spoken&) const = default;
};

// How a control presents itself as the table stands now. Empty places, hidden
// helpers, decorations and the cheat switches present nothing; a face-down card
// says only that it is face down. Buttons, the check box and the scroll bar keep
// their names while hidden: the toolkit tells whether they are shown.
Spoken spokenFor(const TableWindow& table, const Widget& control);

// The number a caption shows, if it shows one ("1000", "-50", "2.5"); none for
// "?", "" or a word.
std::optional<double> shownNumber(const std::string& caption);

}  // namespace korvane
