// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <map>
#include <utility>

namespace korvane {
namespace {

using Words = std::pair<std::string, std::string>;  // English, Danish

const std::map<std::string, Words>& names() {
    static const std::map<std::string, Words> kNames{
        {"Label10", {"Cash", "Kontanter"}},
        {"Label13", {"Bet", "Sats"}},
        {"HScroll1", {"Bet", "Sats"}},
        {"Label3", {"Your total", "Din sum"}},
        {"Label4", {"Dealer's total", "Kortgiverens sum"}},
        {"Label5", {"Status", "Status"}},
        {"Label8", {"Rounds won by the dealer", "Runder vundet af kortgiveren"}},
        {"Label9", {"Rounds won by you", "Runder vundet af dig"}},
        // What a player presses begins with the words it shows, so a player who
        // says what they see (a voice control) reaches it.
        {"Command1", {"1  DEAL", "1  EN TIL"}},
        {"Command2", {"2  STOP", "2  STOP"}},
        {"Command3", {"Start a round", "Start en runde"}},
        {"Check1", {"Sounds", "Sounds"}},
        {"Label11", {"Korvane Rules", "Korvane Regler"}},
        {"Label15", {"$ Loan office", "$ Lånekontoret"}},
        {"Picture4(0)", {"English", "Engelsk"}},
        {"Picture4(1)", {"Danish", "Dansk"}},
        {"Picture4(2)", {"Choose the card back", "Vælg kortbagside"}},
        {"Picture1(11)", {"Deck", "Kortbunken"}},
        {"Frame3", {"Settings", "Indstillinger"}},
    };
    return kNames;
}

const std::map<std::string, Words>& descriptions() {
    static const std::map<std::string, Words> kDescriptions{
        {"Command1", {"Deal a card", "Et kort til"}},
        {"Command2", {"Take no more cards", "Ikke flere kort"}},
        {"Check1", {"", "Lyd"}},
        {"Label15", {"Lends 1000 when your cash is 0", "Låner dig 1000, når dine kontanter er 0"}},
        {"Picture4(0)", {"Flag of the United States", "USA's flag"}},
        {"Picture4(1)", {"Flag of Denmark", "Danmarks flag"}},
    };
    return kDescriptions;
}

const std::string& lookUp(const std::map<std::string, Words>& table, const std::string& name,
                          Language language) {
    static const std::string kNone;
    const auto found = table.find(name);
    if (found == table.end()) return kNone;
    return language == Language::English ? found->second.first : found->second.second;
}

const SpokenWords kEnglishSpoken{
    "Face-down card",
    "Dealer's card",
    "Your card",
    {"Black with a floral ornament", "Red mosaic", "Portrait in a feathered headdress",
     "Blue lattice", "Dark red lattice"},
};

const SpokenWords kDanishSpoken{
    "Kort med bagsiden op",
    "Kortgiverens kort",
    "Dit kort",
    {"Sort med blomsterornament", "Rød mosaik", "Portræt med fjerprydet hovedbeklædning",
     "Blåt gitter", "Mørkerødt gitter"},
};

}  // namespace

const std::string& accessibleName(const std::string& controlName, Language language) {
    return lookUp(names(), controlName, language);
}

const std::string& accessibleDescription(const std::string& controlName, Language language) {
    return lookUp(descriptions(), controlName, language);
}

const SpokenWords& spokenWords(Language language) {
    return language == Language::English ? kEnglishSpoken : kDanishSpoken;
}

}  // namespace korvane
