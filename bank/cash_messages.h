// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player is told when the cash file cannot be read or written.
#include <string>

#include "ui/texts.h"

namespace korvane {

std::string cashUnreadableText(Language language, const std::string& file,
                               const std::string& reason);
std::string cashLeftUnsavedText(Language language, const std::string& file);
std::string cashNotSavedText(Language language, const std::string& file, const std::string& reason);

}  // namespace korvane
