// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spoken.h"

#include <set>

#include "platform/number_text.h"
#include "ui/accessible_names.h"
#include "ui/card_names.h"

namespace korvane {
namespace {

// The labels that show a value the player follows: "Cash: 1000", "Status: YOU WIN".
bool showsAValue(const std::string& name) {
    static const std::set<std::string> kValues{"Label3", "Label4",  "Label5", "Label8",
                                               "Label9", "Label10", "Label13"};
    return kValues.contains(name);
}

Spoken named(SpokenRole role, const Widget& control, Language language) {
    return {role, accessibleName(control.name(), language),
            accessibleDescription(control.name(), language), std::nullopt, false};
}

Spoken valueLabel(const Label& label, Language language) {
    Spoken s = named(SpokenRole::Label, label, language);
    if (!label.caption.empty()) s.name += ": " + label.caption;
    s.value = shownNumber(label.caption);
    return s;
}

// A card place names its card, or says it lies face down; it never tells what
// lies under a back.
Spoken cardPlace(const TableWindow& table, const PictureBox& place, const std::string& row,
                 int index, Language language) {
    if (!place.picture) return {};
    Spoken s{SpokenRole::Graphic, spokenWords(language).faceDown,
             row + " " + std::to_string(index + 1), std::nullopt, false};
    for (int card = 0; card < table.Picture3.size(); ++card)
        if (table.Picture3(card).picture == place.picture) s.name = cardName(card, language);
    return s;
}

Spoken pictureOne(const TableWindow& table, int index, Language language) {
    const PictureBox& box = table.Picture1(index);
    if (index <= 4)
        return cardPlace(table, box, spokenWords(language).dealersCard, index, language);
    if (index == 11) return named(SpokenRole::Graphic, box, language);
    if (index >= 6 && index <= 10) {
        return {SpokenRole::Choice, spokenWords(language).backs[index - 6], "", std::nullopt,
                box.picture == table.Picture1(5).picture};
    }
    return {};  // the back held for the deck, never seen
}

Spoken labelSpoken(const TableWindow& table, const Label& label, Language language) {
    if (showsAValue(label.name())) return valueLabel(label, language);
    if (&label == &table.Label11) {
        Spoken s = named(SpokenRole::Button, label, language);
        s.description = label.caption;  // the whole rules line, also where it does not fit
        return s;
    }
    if (&label == &table.Label15) return named(SpokenRole::Button, label, language);
    return {};  // captions that only decorate, the hidden rank labels, the cheat switches
}

Spoken widgetSpoken(const TableWindow& table, const Widget& control, Language language) {
    switch (control.kind()) {
        case ControlKind::Label:
            return labelSpoken(table, static_cast<const Label&>(control), language);
        case ControlKind::Button:
            return named(SpokenRole::Button, control, language);
        case ControlKind::CheckBox:
            return named(SpokenRole::CheckBox, control, language);
        case ControlKind::ScrollBar: {
            Spoken s = named(SpokenRole::ScrollBar, control, language);
            s.value = static_cast<const ScrollBar&>(control).value();
            return s;
        }
        case ControlKind::Frame: {
            Spoken s = named(SpokenRole::Group, control, language);
            if (s.name.empty()) s.name = static_cast<const Frame&>(control).caption;
            return s;
        }
        default:
            return {};
    }
}

}  // namespace

std::optional<double> shownNumber(const std::string& caption) {
    bool digit = false;
    for (const char c : caption) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (std::string_view(" +-.eE").find(c) == std::string_view::npos)
            return std::nullopt;
    }
    if (!digit) return std::nullopt;
    return numericValue(caption);
}

Spoken spokenFor(const TableWindow& table, const Widget& control) {
    const Language language = languageOf(table.Command1.caption);
    // The toolkit's own buttons, check box and scroll bar tell whether they are
    // shown themselves; they keep their names while hidden.
    const ControlKind kind = control.kind();
    const bool own = kind == ControlKind::Button || kind == ControlKind::CheckBox ||
                     kind == ControlKind::ScrollBar;
    if (!own && !control.shown()) return {};
    if (auto index = table.Picture1.indexOf(&control)) return pictureOne(table, *index, language);
    if (auto index = table.Picture2.indexOf(&control)) {
        return cardPlace(table, table.Picture2(*index), spokenWords(language).yourCard, *index,
                         language);
    }
    if (table.Picture4.indexOf(&control)) return named(SpokenRole::Button, control, language);
    return widgetSpoken(table, control, language);
}

}  // namespace korvane
