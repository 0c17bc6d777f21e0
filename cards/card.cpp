// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card.h"

#include "platform/number_text.h"

namespace korvane {

const std::string& cardCode(int card) {
    // Made once: every round start builds the deck again.
    static const std::array<std::string, kDeckSize + 1> kCodes = [] {
        std::array<std::string, kDeckSize + 1> codes;
        for (int n = 0; n < kDeckSize; ++n) {
            // Suit digit, then the rank as the number text writes it.
            std::string& code = codes[static_cast<size_t>(n)];
            code = std::to_string(suitOf(n));
            code += blankText(rankOf(n));
        }
        return codes;  // the last stays empty, for a number that names no card
    }();
    return kCodes[static_cast<size_t>(card >= 0 && card < kDeckSize ? card : kDeckSize)];
}

int rankOfCode(std::string_view code) {
    const std::string_view tail = code.size() >= 2 ? code.substr(code.size() - 2) : code;
    return toInt16(numericValue(tail));
}

std::string faceName(int card) {
    return "face" + std::to_string(card);
}

}  // namespace korvane
