// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "platform/controls.h"

namespace korvane {

// The card number whose code in the ordered deck equals `code`: all 52 entries
// are compared and the last equal one wins; `notFound` when none is equal.
int findCard(const ListBox& orderedDeck, const std::string& code, int notFound = 0);

}  // namespace korvane
