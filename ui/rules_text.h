// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules and about message of each language.
#include <string>

#include "ui/texts.h"

namespace korvane {

// Nine lines joined by character 13, with an empty line after the third and the
// seventh: ten line breaks in all, and none at the end.
std::string rulesMessage(Language language);

}  // namespace korvane
