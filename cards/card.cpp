#include "cards/card.h"

#include "platform/number_text.h"

namespace korvane {

std::string cardCode(int card) {
    return std::to_string(suitOf(card)) + blankText(rankOf(card));
}

int rankOfCode(std::string_view code) {
    const std::string_view tail = code.size() >= 2 ? code.substr(code.size() - 2) : code;
    return toInt16(numericValue(tail));
}

std::string faceName(int card) {
    return "face" + std::to_string(card);
}

}  // namespace korvane
