// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the browser page around the table, in the language in force: its
// two cash file buttons, where the cash is kept, why the browser's storage
// refused it, and what a second tab of the same page says.
#include <string>

#include "ui/texts.h"

namespace korvane {

struct PageWords {
    std::string saveCash;  // the buttons beside the table
    std::string openCash;
    std::string cashKept;        // the note under them, as the cash is kept or not
    std::string cashNowhere;     // the browser keeps nothing for the page
    std::string cashLeftUnread;  // what the browser kept could not be read, and is left
    std::string cashNotSaved;    // the last save was refused; the table tries again
    std::string cashTakenOver;   // another tab took the table over
    std::string storageFull;     // why a save was refused, in a box's brackets
    std::string storageNone;
    std::string storageNotText;  // a stored value that holds no bytes the page wrote
    std::string openElsewhere;   // a second tab's box; its first line is its note
};

const PageWords& pageWords(Language language);

}  // namespace korvane
