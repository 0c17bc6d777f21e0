// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader calls the controls a player follows a round by.
#include <string>

namespace korvane {

// The spoken name of a control, or the empty text for one that needs none.
const std::string& accessibleName(const std::string& controlName);

}  // namespace korvane
