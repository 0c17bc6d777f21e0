// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player is told when the cash file cannot be read or written, or when
// another table already plays from it.
#include <string>

#include "platform/services.h"
#include "ui/texts.h"

namespace korvane {

std::string cashUnreadableText(Language language, const std::string& file,
                               const std::string& reason);
std::string cashLeftUnsavedText(Language language, const std::string& file);
// Says what the failed save left behind. `later`: the table tries again each
// time the cash changes, and at the close.
std::string cashNotSavedText(Language language, const std::string& file, const std::string& reason,
                             OldFile left, bool later);
std::string tableAlreadyOpenText(Language language, const std::string& file);

}  // namespace korvane
