// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_state.h"

#include "platform/number_text.h"

namespace korvane {
namespace {

template <class T, size_t N, class Format>
void addArray(std::vector<Property>& out, const char* name, const std::array<T, N>& array,
              Format format) {
    for (size_t i = 0; i < N; ++i)
        out.emplace_back(std::string(name) + "(" + std::to_string(i) + ")", format(array[i]));
}

}  // namespace

std::vector<Property> TableState::members() const {
    auto text = [](const std::string& s) { return s; };
    auto number = [](double v) { return plainText(v); };
    std::vector<Property> out{{"DeckPos", number(DeckPos)},
                              {"DealerLast", number(DealerLast)},
                              {"PlayerLast", number(PlayerLast)},
                              {"PlayerTotal", number(PlayerTotal)},
                              {"DealerTotal", number(DealerTotal)},
                              {"PlayerDone", boolText(PlayerDone)},
                              {"DealerStandsAt", number(DealerStandsAt)},
                              {"Debt", number(Debt)},
                              {"CheatMode", boolText(CheatMode)},
                              {"DealerKorvane", boolText(DealerKorvane)}};
    addArray(out, "CardCode", CardCode, text);
    addArray(out, "Drawn", Drawn, number);
    addArray(out, "RankName", RankName, text);
    addArray(out, "RankValue", RankValue, number);
    return out;
}

}  // namespace korvane
