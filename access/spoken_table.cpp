// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/spoken_table.h"

namespace korvane {

bool keptSecret(const TableWindow& table, const Widget& control) {
    return &control == &table.Label16 || &control == &table.Label17;
}

SpokenTable::SpokenTable(const TableWindow& table) : table_(table) {
    for (const Widget* control : table.widgets())
        if (table.insideWindow(*control) && !keptSecret(table, *control))
            entries_.push_back({control, Spoken{}, ""});
}

std::string toldOf(const SpokenChange& change) {
    const bool said = change.now.role == SpokenRole::Label && change.shown && !change.went;
    return said ? change.now.name : std::string();
}

std::vector<SpokenChange> SpokenTable::update() {
    std::vector<SpokenChange> changes;
    for (Entry& entry : entries_) {
        const Spoken now = spokenFor(table_, *entry.control);
        const Spoken& last = entry.last;
        if (now == last) continue;
        const bool label = entry.control->kind() == ControlKind::Label;
        const std::string caption =
            label ? static_cast<const Label*>(entry.control)->caption : std::string();
        const bool silent = now.role == SpokenRole::None, wasSilent = last.role == SpokenRole::None;
        SpokenChange change{entry.control, now};
        change.appeared = wasSilent && !silent;
        change.went = !wasSilent && silent;
        change.name = now.name != last.name;
        change.description = now.description != last.description;
        change.value = now.value && now.value != last.value;
        change.checked = now.checked != last.checked;
        change.shown = caption != entry.caption;
        changes.push_back(change);
        entry.last = now;
        entry.caption = caption;
    }
    return changes;
}

}  // namespace korvane
