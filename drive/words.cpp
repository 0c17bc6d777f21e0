// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/words.h"

#include <charconv>
#include <limits>

namespace korvane {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::optional<int64_t> wholeNumber(const std::string& word) {
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (first != last && *first == '+' && first + 1 != last && first[1] != '-') ++first;
    int64_t value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

std::optional<int64_t> saturatedNumber(const std::string& word) {
    if (const auto value = wholeNumber(word)) return value;
    const bool negative = !word.empty() && word[0] == '-';
    const size_t digits = !word.empty() && (word[0] == '-' || word[0] == '+') ? 1 : 0;
    if (digits == word.size() || word.find_first_not_of("0123456789", digits) != std::string::npos)
        return std::nullopt;
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

}  // namespace korvane
