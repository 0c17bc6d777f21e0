// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/bet_limit.h"

namespace korvane {

std::string limitRaisedText(int limit) {
    return "Congratulations!\rYour max allowed betting has been increased to " +
           std::to_string(limit) + " $.";
}

}  // namespace korvane
