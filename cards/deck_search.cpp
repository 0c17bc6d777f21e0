// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/deck_search.h"

#include "cards/card.h"

namespace korvane {

int findCard(const ListBox& orderedDeck, const std::string& code, int notFound) {
    int found = notFound;
    for (int i = 0; i < kDeckSize; ++i)
        if (orderedDeck.item(i) == code) found = i;
    return found;
}

}  // namespace korvane
