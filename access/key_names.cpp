// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <utility>

#include "access/table_access.h"

namespace korvane {
namespace {

constexpr std::array<std::pair<TableKey, std::string_view>, 18> kNames{{
    {TableKey::Tab, "Tab"},
    {TableKey::ShiftTab, "ShiftTab"},
    {TableKey::Left, "Left"},
    {TableKey::Right, "Right"},
    {TableKey::Up, "Up"},
    {TableKey::Down, "Down"},
    {TableKey::PageUp, "PageUp"},
    {TableKey::PageDown, "PageDown"},
    {TableKey::Home, "Home"},
    {TableKey::End, "End"},
    {TableKey::Space, "Space"},
    {TableKey::Enter, "Enter"},
    {TableKey::F1, "F1"},
    {TableKey::AltS, "AltS"},
    {TableKey::Alt1, "Alt1"},
    {TableKey::Alt2, "Alt2"},
    {TableKey::CtrlQ, "CtrlQ"},
    {TableKey::Other, "Other"},
}};

}  // namespace

std::optional<TableKey> tableKeyNamed(std::string_view name) {
    for (const auto& [key, keyName] : kNames)
        if (keyName == name) return key;
    return std::nullopt;
}

std::vector<std::string_view> tableKeyNames() {
    std::vector<std::string_view> names;
    for (const auto& [key, keyName] : kNames)
        names.push_back(keyName);
    return names;
}

std::string_view nameOf(TableKey key) {
    for (const auto& [k, keyName] : kNames)
        if (k == key) return keyName;
    return "Other";
}

}  // namespace korvane
