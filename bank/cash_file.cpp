// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_file.h"

#include <cmath>
#include <string_view>

#include "platform/number_text.h"

namespace korvane {
namespace {

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that starts none.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

CashFileContent readCashLines(const std::vector<std::string>& lines) {
    CashFileContent content;
    if (!lines.empty()) {
        const std::string_view mark = "\xEF\xBB\xBF";
        const std::string& first = lines[0];
        content.cash = latin1ToUtf8(
            first.compare(0, mark.size(), mark) == 0 ? first.substr(mark.size()) : first);
    }
    if (lines.size() >= 2) {
        const double debt = numericValue(lines[1]);
        content.debt = toInt32(debt);
        content.debtCut = !std::isnan(debt) && roundHalfEven(debt) != *content.debt;
    }
    return content;
}

std::vector<std::string> cashLines(const std::string& cash, int32_t debt) {
    return {utf8ToLatin1(cash), plainText(debt)};
}

std::string latin1ToUtf8(const std::string& bytes) {
    std::string text;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | b >> 6);
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::string utf8ToLatin1(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        if (length == 1) {
            bytes += text[i++];
        } else if (length == 2 && i + 1 < text.size() && lead <= 0xC3) {
            bytes += static_cast<char>((lead & 0x1F) << 6 |
                                       (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            i += 2;
        } else {
            bytes += '?';
            i += length > 0 ? static_cast<size_t>(length) : 1;
        }
    }
    return bytes;
}

}  // namespace korvane
