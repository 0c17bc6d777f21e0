// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <map>

namespace korvane {

const std::string& accessibleName(const std::string& controlName) {
    static const std::map<std::string, std::string> kNames{
        {"Label10", "Cash"},
        {"Label13", "Bet"},
        {"HScroll1", "Bet"},
        {"Label3", "Your total"},
        {"Label4", "Dealer's total"},
        {"Label5", "Status"},
        {"Label8", "Rounds won by the dealer"},
        {"Label9", "Rounds won by you"},
        {"Command1", "Deal a card"},
        {"Command2", "Stop"},
        {"Command3", "Start a round"},
        {"Check1", "Sounds"},
        {"Label11", "Rules"},
        {"Label15", "Loan office"},
        {"Picture4(0)", "English"},
        {"Picture4(1)", "Danish"},
        {"Picture4(2)", "Choose the card back"},
        {"Picture1(11)", "Deck"},
    };
    static const std::string kNone;
    const auto found = kNames.find(controlName);
    return found == kNames.end() ? kNone : found->second;
}

}  // namespace korvane
